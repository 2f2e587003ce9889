// The plugin that brings QCustomPlot into the program the first time a plot is shown.

#include "plot/customplotcanvas.h"

#include <QObject>

class CustomPlotCanvasPlugin : public QObject, public PlotCanvasFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PlotCanvasFactory_iid)
    Q_INTERFACES(PlotCanvasFactory)

public:
    std::unique_ptr<PlotCanvas> create(QWidget *parent) override
    {
        return std::make_unique<CustomPlotCanvas>(parent);
    }
};

#include "canvasplugin.moc"
