#pragma once

// Marks a text for Qt's translation tools, which read TR_NOOP as QT_TRANSLATE_NOOP: the data
// knows nothing of Qt, and the window translates such a text, in the given context, where it
// shows it.
#define TR_NOOP(context, text) text
