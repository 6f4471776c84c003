#pragma once

#include <QString>
#include <optional>

namespace tesmi {

// Every question or message the program puts to the user. Texts keep their "\r\n"
// line breaks; the window adapter shows them as line breaks.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual void message(const QString &text) = 0;
    virtual bool askYesNo(const QString &text) = 0;
    virtual bool askOkCancel(const QString &text) = 0;
    // A line of text; empty optional when the user cancels.
    virtual std::optional<QString> askText(const QString &title, const QString &label) = 0;
    // A file to write, chosen by the user (who confirms replacing one); empty
    // optional when the user cancels. `filter` reads like "csv-файл (*.csv)".
    virtual std::optional<QString> askSaveFileName(const QString &filter) = 0;
};

} // namespace tesmi
