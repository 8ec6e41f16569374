#include "inifile.h"

#include <QDataStream>
#include <QIODevice>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringDecoder>

namespace zt::ini {

namespace {

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || IsLineEnd(c);
}

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// One line as the reader takes it: it goes on past a line end inside quotes
// or after a backslash, and a semicolon outside quotes starts a comment.
struct Line {
    QByteArrayView text;
    qsizetype equals = -1; // the first '=' outside quotes
};

class Lines {
public:
    explicit Lines(QByteArrayView data) : data_(data) {}

    bool Next(Line& line) {
        const qsizetype size = data_.size();
        for (;;) {
            while (pos_ < size && IsBlank(data_[pos_]))
                ++pos_;
            if (pos_ == size || data_[pos_] != ';')
                break;
            while (pos_ < size && !IsLineEnd(data_[pos_]))
                ++pos_;
        }
        const qsizetype start = pos_;
        qsizetype equals = -1;
        bool quoted = false;
        while (pos_ < size) {
            const char c = data_[pos_++];
            if (c == '\\') {
                if (pos_ == size)
                    break;
                const char escaped = data_[pos_++];
                // A backslash before a line end joins the next line, whichever
                // of the four line ends it is.
                if (pos_ < size && IsLineEnd(escaped) && IsLineEnd(data_[pos_]) &&
                    data_[pos_] != escaped)
                    ++pos_;
            } else if (c == '"') {
                quoted = !quoted;
            } else if (!quoted) {
                if (c == '=' && equals < 0) {
                    equals = pos_ - 1 - start;
                } else if (IsLineEnd(c) || c == ';') {
                    --pos_;
                    break;
                }
            }
        }
        line = {data_.sliced(start, pos_ - start), equals};
        return pos_ > start;
    }

private:
    QByteArrayView data_;
    qsizetype pos_ = 0;
};

// A key or section name: "\" stands for "/", "%XX" and "%UXXXX" for a
// character.
QString UnescapedName(QByteArrayView bytes) {
    const QString text = QString::fromUtf8(bytes);
    QString name;
    name.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == u'\\') {
            name += u'/';
            ++i;
            continue;
        }
        if (c == u'%' && i + 1 < text.size()) {
            const bool wide = text[i + 1] == u'U';
            const qsizetype from = i + (wide ? 2 : 1);
            const qsizetype digits = wide ? 4 : 2;
            bool ok = false;
            const ushort code =
                from + digits <= text.size() ? QStringView(text).sliced(from, digits).toUShort(&ok, 16)
                                             : 0;
            if (ok) {
                name += QChar(code);
                i = from + digits;
                continue;
            }
        }
        name += c;
        ++i;
    }
    return name;
}

QByteArray EscapedName(const QString& name) {
    QByteArray bytes;
    bytes.reserve(name.size());
    for (const QChar qc : name) {
        const char16_t c = qc.unicode();
        if (c == u'/')
            bytes += '\\';
        else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                 (c >= u'0' && c <= u'9') || c == u'_' || c == u'-' || c == u'.')
            bytes += char(c);
        else if (c <= 0xFF)
            bytes += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        else
            bytes += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
    }
    return bytes;
}

// The name a section's header gives the keys below it: "" for the nameless
// one, else the name and a slash.
QString SectionPrefix(QByteArrayView header) {
    qsizetype close = header.indexOf(']');
    if (close < 0)
        close = header.size(); // a header never closed runs to the line's end
    const QByteArrayView name = header.sliced(1, close - 1).trimmed();
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return {};
    if (name.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(name.sliced(1)) + u'/';
    return UnescapedName(name) + u'/';
}

char PlainEscape(char c) {
    switch (c) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\': return c;
    default: return 0;
    }
}

// The text after "=": blanks around an item go unless quoted, a comma outside
// quotes makes a list, a backslash escapes as in C ("\x", octal, a line end
// joins the next line, any other character is dropped).
Value UnescapedValue(QByteArrayView v) {
    // One decoder for the whole value, as QSettings has: a broken sequence
    // before an escape comes out after it.
    QStringDecoder utf8(QStringDecoder::Utf8);
    Value value;
    QString item;
    bool inQuotes = false;
    bool itemQuoted = false;
    bool chopAtEnd = true;
    qsizetype keep = 0; // blanks before this index are not trailing ones
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < v.size() && (v[i] == ' ' || v[i] == '\t'))
            ++i;
        keep = item.size();
    };
    auto chop = [&] {
        if (itemQuoted)
            return;
        qsizetype n = item.size();
        while (n > keep && (item[n - 1] == u' ' || item[n - 1] == u'\t'))
            --n;
        item.truncate(n);
    };
    skipBlanks();
    while (i < v.size()) {
        const char c = v[i];
        if (c == '\\') {
            if (++i == v.size()) {
                chopAtEnd = false;
                break;
            }
            const char e = v[i++];
            if (const char plain = PlainEscape(e)) {
                item += QLatin1Char(plain);
            } else if (e == 'x' || DigitValue(e, 8) >= 0) {
                const int base = e == 'x' ? 16 : 8;
                if (base == 16 && i == v.size()) {
                    chopAtEnd = false;
                    break;
                }
                if (base == 8 || DigitValue(v[i], 16) >= 0) {
                    char16_t code = base == 8 ? char16_t(e - '0') : 0;
                    for (int d; i < v.size() && (d = DigitValue(v[i], base)) >= 0; ++i)
                        code = char16_t(code * base + d);
                    item += QChar(code);
                    if (i == v.size()) {
                        chopAtEnd = false;
                        break;
                    }
                }
            } else if (IsLineEnd(e) && i < v.size() && IsLineEnd(v[i]) && v[i] != e) {
                ++i;
            }
            keep = item.size();
        } else if (c == '"') {
            ++i;
            itemQuoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
        } else if (c == ',' && !inQuotes) {
            chop();
            value.list = true;
            value.items.append(item);
            item.clear();
            itemQuoted = false;
            ++i;
            skipBlanks();
        } else {
            qsizetype j = i + 1;
            while (j < v.size() && v[j] != '\\' && v[j] != '"' && v[j] != ',')
                ++j;
            item += utf8(v.sliced(i, j - i));
            i = j;
        }
    }
    if (chopAtEnd)
        chop();
    value.items.append(item);
    return value;
}

void AppendEscaped(QByteArray& out, const QString& text) {
    // These three hold bytes or a stream in their characters, not text.
    const bool asUtf8 = !(text.startsWith(u"@ByteArray(") || text.startsWith(u"@Variant(") ||
                          text.startsWith(u"@DateTime("));
    const qsizetype start = out.size();
    bool quote = false;
    bool hexFollows = false; // a digit after "\x.." or "\0" would join it
    auto escapeHex = [&](char16_t c) {
        out += "\\x" + QByteArray::number(c, 16);
        hexFollows = true;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u';' || c == u',' || c == u'=')
            quote = true;
        if (hexFollows && c < 0x80 && DigitValue(char(c), 16) >= 0) {
            escapeHex(c);
            continue;
        }
        hexFollows = false;
        switch (c) {
        case 0:
            out += "\\0";
            hexFollows = true;
            break;
        case u'\a': out += "\\a"; break;
        case u'\b': out += "\\b"; break;
        case u'\f': out += "\\f"; break;
        case u'\n': out += "\\n"; break;
        case u'\r': out += "\\r"; break;
        case u'\t': out += "\\t"; break;
        case u'\v': out += "\\v"; break;
        case u'"':
        case u'\\':
            out += '\\';
            out += char(c);
            break;
        default:
            if (c <= 0x1F || (c >= 0x7F && !asUtf8)) {
                escapeHex(c);
            } else if (c < 0x80) {
                out += char(c);
            } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                       text[i + 1].isLowSurrogate()) {
                out += QStringView(text).sliced(i, 2).toUtf8();
                ++i;
            } else if (QChar::isSurrogate(c) || c == 0xFEFF) {
                // Half a pair has no UTF-8, and a byte order mark where the
                // reader starts to decode is dropped: kept as they are.
                escapeHex(c);
            } else {
                out += QStringView(text).sliced(i, 1).toUtf8();
            }
        }
    }
    if (quote || (out.size() > start && (out[start] == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

// The numbers of "@Rect(1 2 3 4)" and its kind, split at blanks.
QStringList Arguments(const QString& text, qsizetype open) {
    QStringList arguments;
    QString argument;
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u')') {
            arguments.append(argument);
        } else if (c == u' ') {
            arguments.append(argument);
            argument.clear();
        } else {
            argument.append(c);
        }
    }
    return arguments;
}

QVariant TypedText(const QString& text) {
    if (!text.startsWith(u'@'))
        return text;
    if (text.endsWith(u')')) {
        if (text.startsWith(u"@ByteArray("))
            return QStringView(text).sliced(11).chopped(1).toLatin1();
        if (text.startsWith(u"@String("))
            return QStringView(text).sliced(8).chopped(1).toString();
        if (text.startsWith(u"@Variant(") || text.startsWith(u"@DateTime(")) {
            const bool dateTime = text[1] == u'D';
            QByteArray bytes = QStringView(text).sliced(dateTime ? 10 : 9).toLatin1();
            QDataStream stream(&bytes, QIODevice::ReadOnly);
            stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            QVariant typed;
            stream >> typed;
            return typed;
        }
        if (text.startsWith(u"@Rect(")) {
            if (const QStringList a = Arguments(text, 5); a.size() == 4)
                return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
        } else if (text.startsWith(u"@Size(")) {
            if (const QStringList a = Arguments(text, 5); a.size() == 2)
                return QSize(a[0].toInt(), a[1].toInt());
        } else if (text.startsWith(u"@Point(")) {
            if (const QStringList a = Arguments(text, 6); a.size() == 2)
                return QPoint(a[0].toInt(), a[1].toInt());
        } else if (text == u"@Invalid()") {
            return {};
        }
    }
    if (text.startsWith(u"@@"))
        return text.sliced(1);
    return text;
}

} // namespace

Values Read(QByteArrayView file) {
    QMap<QString, QList<Line>> sections;
    auto collect = [&sections](QByteArrayView part) {
        Lines lines(part);
        for (Line line; lines.Next(line);)
            if (line.equals >= 0)
                sections[QString()].append(line);
    };
    // A byte order mark is passed over in looking for sections, but the lines
    // before the first one are read from the file's first byte: blanks after
    // the mark then belong to the first key.
    const bool marked = file.startsWith("\xef\xbb\xbf");
    Lines lines(file.sliced(marked ? 3 : 0));
    QString prefix;
    bool beforeFirst = true;
    for (Line line; lines.Next(line);) {
        if (line.text.startsWith('[')) {
            if (beforeFirst && marked)
                collect(file.first(line.text.data() - file.data()));
            beforeFirst = false;
            prefix = SectionPrefix(line.text);
        } else if (line.equals >= 0 && !(beforeFirst && marked)) {
            sections[prefix].append(line);
        }
    }
    if (beforeFirst && marked)
        collect(file);
    // Keys are read section by section in the order of the sections' names,
    // a later one taking the place of an earlier one of the same key.
    Values values;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section)
        for (const Line& line : *section)
            values.insert(section.key() + UnescapedName(line.text.first(line.equals).trimmed()),
                          UnescapedValue(line.text.sliced(line.equals + 1)));
    return values;
}

QByteArray Write(const Values& values) {
    // A key's section is what stands before its first slash.
    QMap<QString, QMap<QString, const Value*>> sections;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        const QString section = slash < 0 ? QString() : it.key().left(slash);
        sections[section].insert(it.key().sliced(slash + 1), &it.value());
    }
    QByteArray out;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        if (section != sections.cbegin())
            out += '\n';
        const QByteArray name = EscapedName(section.key());
        if (name.isEmpty())
            out += "[General]";
        else if (name.compare("general", Qt::CaseInsensitive) == 0)
            out += "[%General]"; // not the nameless one
        else
            out += '[' + name + ']';
        out += '\n';
        for (auto key = section->cbegin(); key != section->cend(); ++key) {
            out += EscapedName(key.key());
            out += '=';
            const Value& value = *key.value();
            for (qsizetype i = 0; i < value.items.size(); ++i) {
                if (i > 0)
                    out += ", ";
                AppendEscaped(out, value.items[i]);
            }
            out += '\n';
        }
    }
    return out;
}

Value FromText(const QString& text) {
    if (text.contains(QChar(0)))
        return {{QStringLiteral("@String(") + text + u')'}, false};
    if (text.startsWith(u'@'))
        return {{u'@' + text}, false};
    return {{text}, false};
}

QVariant Typed(const Value& value) {
    if (!value.list)
        return TypedText(value.items.value(0));
    QStringList texts = value.items;
    for (QString& text : texts) {
        if (!text.startsWith(u'@'))
            continue;
        if (!text.startsWith(u"@@")) {
            // One item of another type makes every item a typed one.
            QVariantList typed;
            for (const QString& item : value.items)
                typed.append(TypedText(item));
            return typed;
        }
        text.remove(0, 1);
    }
    return texts;
}

} // namespace zt::ini
