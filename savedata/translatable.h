// Texts of the reader and the history that the windows show in the player's language.
// Qt's lupdate finds them by this mark, which is Qt's own, written exactly as Qt writes
// it; the reader and foalix-dump, which have no Qt, use the texts as they stand (the
// window translates them in the context given).
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
