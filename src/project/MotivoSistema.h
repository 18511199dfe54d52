#pragma once
// The system's reasons a message may carry (the C library's words for an error number, Qt's
// file errors), in the interface language. They come into our messages as text, in the
// system's own language: each is found by the words the system gives for it and replaced by
// ours.
#include <QString>

// The text with every system reason it carries in lingua (a CodiceLingua); the rest as it was.
QString MotiviSistemaInLingua(const QString& testo, int lingua);
