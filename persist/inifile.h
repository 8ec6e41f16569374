// The settings file's text. An INI file of this game is also read and written
// by earlier versions of it and by anything built on QSettings, so it is read
// as QSettings reads one here (names as they are spelt, a section met twice
// as one, a line that makes no sense passed over) and written as QSettings
// writes one: sections and keys in the order of their names, texts quoted and
// escaped the same way. A value of another program is kept as the file spells
// it, so that writing the file again changes nothing it means.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace zt::ini {

// A value as the file spells it, before it is taken for a type: one text, or
// the items of a list written with commas between them.
struct Value {
    QStringList items;
    bool list = false;
    bool operator==(const Value&) const = default;
};

// Keys are "section/name"; a name alone is one of the file's first, nameless
// section ([General]).
using Values = QMap<QString, Value>;

Values Read(QByteArrayView file);
QByteArray Write(const Values& values);

// A text as it is stored: one that could be taken for another type is marked
// as a text.
Value FromText(const QString& text);
// What a value stands for, typed as QSettings types it: a text, a list of
// texts, a rectangle ... or nothing at all.
QVariant Typed(const Value& value);

} // namespace zt::ini
