#include "platform/MessageBoxPrompts.h"

#include "app/Startup.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace tesmi {

namespace {

QString shown(const QString &text)
{
    QString lines = text;
    return lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QMessageBox::StandardButton ask(const QString &text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton yes, QWidget *owner)
{
    QMessageBox box(QMessageBox::Question, kProgramTitle, shown(text), buttons, owner);
    box.setDefaultButton(yes);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

QWidget *MessageBoxPrompts::owner() const
{
    QWidget *active = QApplication::activeWindow();
    return active ? active : mainWindow_.data();
}

void MessageBoxPrompts::message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, shown(text), QMessageBox::Ok, owner());
    box.exec();
}

bool MessageBoxPrompts::askYesNo(const QString &text)
{
    return ask(text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, owner()) == QMessageBox::Yes;
}

bool MessageBoxPrompts::askOkCancel(const QString &text)
{
    return ask(text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, owner()) == QMessageBox::Ok;
}

std::optional<QString> MessageBoxPrompts::askText(const QString &title, const QString &label)
{
    bool ok = false;
    const QString text = QInputDialog::getText(owner(), title, label, QLineEdit::Normal, {}, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> MessageBoxPrompts::askSaveFileName(const QString &filter)
{
    const QString path = QFileDialog::getSaveFileName(owner(), QString(), QString(), filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace tesmi
