#include "core/textfile.h"

#include "core/contentfile.h"
#include "core/cp1251.h"

namespace stak {

namespace {
constexpr char kBom[] = "\xEF\xBB\xBF";

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(QByteArrayView bytes, bool *nonAscii)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    *nonAscii = false;
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        *nonAscii = true;
        int more = 0;
        unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            if (c == 0xE0)
                low = 0xA0;
            else if (c == 0xED)
                high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            if (c == 0xF0)
                low = 0x90;
            else if (c == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (i + more >= n)
            return false;
        if (p[i + 1] < low || p[i + 1] > high)
            return false;
        for (int k = 2; k <= more; ++k)
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        i += more + 1;
    }
    return true;
}
} // namespace

TextEncoding detectTextEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith(kBom))
        return TextEncoding::Utf8Bom;
    bool nonAscii = false;
    if (isValidUtf8(bytes, &nonAscii) && nonAscii)
        return TextEncoding::Utf8;
    return TextEncoding::Cp1251;
}

QString decodeContentText(QByteArrayView bytes)
{
    switch (detectTextEncoding(bytes)) {
    case TextEncoding::Utf8Bom:
        return QString::fromUtf8(bytes.sliced(3));
    case TextEncoding::Utf8:
        return QString::fromUtf8(bytes);
    case TextEncoding::Cp1251:
        break;
    }
    return decodeCp1251(bytes);
}

QByteArray encodeContentText(QStringView text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8Bom:
        return QByteArray(kBom) + text.toUtf8();
    case TextEncoding::Utf8:
        return text.toUtf8();
    case TextEncoding::Cp1251:
        break;
    }
    return encodeCp1251(text);
}

std::optional<QString> readTextFile(const QString &path)
{
    const auto bytes = readContentFile(path, ContentKind::Text);
    if (!bytes)
        return std::nullopt;
    return decodeContentText(*bytes);
}

QString withLineFeeds(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QStringList splitLines(const QString &text)
{
    QStringList lines = splitScenarioLines(text);
    // A final line break ends the last line rather than starting another.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList splitScenarioLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    t.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return t.split(QLatin1Char('\r'));
}

} // namespace stak
