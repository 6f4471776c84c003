#pragma once

#include "platform/Prompts.h"

class QWidget;

namespace tesmi {

// Plain modal message boxes, centred over the active window.
class MessageBoxPrompts final : public Prompts {
public:
    void message(const QString &text) override;
    bool askYesNo(const QString &text) override;
    bool askOkCancel(const QString &text) override;
    std::optional<QString> askText(const QString &title, const QString &label) override;
};

} // namespace tesmi
