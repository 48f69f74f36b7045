#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace stak {

// What the companion window reads from its content files, as plain functions
// of the files' text.

// One user button as a line of user.but describes it.
struct UserButton
{
    QString caption;
    bool visible = false;
};
// The buttons cmdU(1)..cmdU(5) (elements 0..4): a blank line leaves a button
// hidden without caption; the marker "%>!<%" keeps a defined button hidden.
std::array<UserButton, 5> ParseUserButtons(const QString &text);

// The voice menu's captions from the text of sound.tlk: the line after every
// ">" line, in file order.
QStringList VoiceMenuCaptions(const QString &text);

// A voice phrase as ReadPhrase returns it: the WAV file under .\wav\ and the
// text shown while it plays (none for a phrase of one line).
struct VoicePhrase
{
    QString file;
    std::optional<QString> caption;
};
VoicePhrase ParseVoicePhrase(const QString &phrase);

// One step through pics\order.txt from the position shown last: the line to
// show now and the position after it (0 once the last line was shown). No line
// at all for an empty order file.
struct OrderStep
{
    std::optional<QString> line;
    qint32 position = 0;
};
OrderStep NextOrderEntry(const QString &orderText, qint32 position);

} // namespace stak
