#include "TextCodec.h"

#include <array>

namespace {

// Windows-1252 bytes 0x80..0x9F; 0 marks the five undefined bytes.
constexpr std::array<char16_t, 32> kHigh{
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

int byteFor(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u && u != 0)
            return 0x80 + i;
    return -1;
}

bool isUndefinedByte(char16_t u)
{
    return u >= 0x80 && u < 0xA0 && kHigh[u - 0x80] == 0;
}

} // namespace

namespace TextCodec {

QString fromCp1252(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0) {
            const char16_t u = kHigh[b - 0x80];
            // Undefined bytes map through unchanged, as the system code page does.
            out.append(QChar(u ? u : char16_t(b)));
        } else {
            out.append(QChar(char16_t(b)));
        }
    }
    return out;
}

QByteArray toCp1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        int b = byteFor(c);
        // Only the five undefined bytes travel as C1 controls; any other C1
        // control would read back as the character its byte stands for.
        if (b < 0 && isUndefinedByte(c.unicode()))
            b = c.unicode();
        // A character beyond the first plane is one character: one '?'.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        out.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

bool isCp1252(QChar c)
{
    return byteFor(c) >= 0;
}

QString ClearAnswerText(const QString &text)
{
    // Composed first: an accent typed as a letter and a combining mark is one
    // Windows-1252 character.
    const QString composed = text.normalized(QString::NormalizationForm_C);
    QString out;
    out.reserve(composed.size());
    for (qsizetype i = 0; i < composed.size(); ++i) {
        const QChar c = composed.at(i);
        if (c == u'>' || c == u'#' || c == u'\r' || c == u'\n')
            continue;
        if (c.isHighSurrogate() && i + 1 < composed.size() && composed.at(i + 1).isLowSurrogate())
            ++i;
        out.append(isCp1252(c) ? c : QChar(u'?'));
    }
    return out;
}

} // namespace TextCodec
