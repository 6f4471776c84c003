#pragma once

#include "platform/Prompts.h"

#include <QPointer>
#include <QWidget>

namespace tesmi {

// Plain modal message boxes, centred over the active window.
class MessageBoxPrompts final : public Prompts {
public:
    void message(const QString &text) override;
    bool askYesNo(const QString &text) override;
    bool askOkCancel(const QString &text) override;
    std::optional<QString> askText(const QString &title, const QString &label) override;
    std::optional<QString> askSaveFileName(const QString &filter) override;

    // Boxes open over the active window, or over this one when none is active.
    void setMainWindow(QWidget *window) { mainWindow_ = window; }

private:
    QWidget *owner() const;

    QPointer<QWidget> mainWindow_;
};

} // namespace tesmi
