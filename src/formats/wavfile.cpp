#include "formats/wavfile.h"

#include <QtEndian>

namespace stak {

namespace {
quint16 le16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}
quint32 le32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

std::optional<QString> formatProblem(QByteArrayView fmt)
{
    if (fmt.size() < 16)
        return QStringLiteral("блок формата (fmt) слишком короткий");
    quint16 tag = le16(fmt.data());
    const quint16 channels = le16(fmt.data() + 2);
    const quint32 rate = le32(fmt.data() + 4);
    const quint16 bits = le16(fmt.data() + 14);
    // WAVE_FORMAT_EXTENSIBLE carries the real tag in its sub-format.
    if (tag == 0xFFFE && fmt.size() >= 26)
        tag = le16(fmt.data() + 24);
    if (channels == 0 || rate == 0)
        return QStringLiteral("в заголовке нет каналов или частоты");
    switch (tag) {
    case 1: // PCM
        if (bits == 8 || bits == 16 || bits == 24 || bits == 32)
            return std::nullopt;
        return QStringLiteral("%1 бит на отсчёт не поддерживается").arg(bits);
    case 3: // IEEE float
        if (bits == 32 || bits == 64)
            return std::nullopt;
        return QStringLiteral("%1 бит на отсчёт не поддерживается").arg(bits);
    case 2:    // MS ADPCM
    case 6:    // A-law
    case 7:    // mu-law
    case 0x11: // IMA ADPCM
        return std::nullopt;
    default:
        return QStringLiteral("сжатие с кодом %1 не поддерживается").arg(tag);
    }
}
} // namespace

std::optional<QString> WavProblem(QByteArrayView bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.sliced(8, 4) != "WAVE")
        return QStringLiteral("это не WAV-файл (нет заголовка RIFF/WAVE)");
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArrayView id = bytes.sliced(at, 4);
        const qint64 size = le32(bytes.data() + at + 4);
        const qsizetype body = at + 8;
        const qsizetype available = qsizetype(qMin<qint64>(size, bytes.size() - body));
        if (id == "fmt ") {
            if (auto problem = formatProblem(bytes.sliced(body, available)))
                return problem;
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return QStringLiteral("нет блока формата (fmt) перед звуком");
            if (available <= 0)
                return QStringLiteral("в файле нет звука (пустой блок data)");
            return std::nullopt;
        }
        at = body + qsizetype(size) + (size & 1);
    }
    return haveFormat ? QStringLiteral("в файле нет звука (нет блока data)")
                      : QStringLiteral("нет блока формата (fmt)");
}

} // namespace stak
