#pragma once

#include "modes/ModeCatalog.h"

#include <QComboBox>

namespace tesmi {

// The two mode lists of the top bar: `rejim_list`, never shown, holds the names;
// `rejim_double` is the pick list "<name> (<count>)" that drops down under the
// mode label and hides again when it closes.
class ModePicker : public QComboBox {
    Q_OBJECT
public:
    explicit ModePicker(QWidget *parent);

    void setModes(const QList<ModeEntry> &modes);
    // Drops the pick list down under `anchor`, as wide as its widest entry + 20.
    void open(const QWidget *anchor);
    QComboBox *names() const { return names_; }

    void hidePopup() override;

signals:
    void modeChosen(const QString &name);

private:
    QComboBox *names_;
};

} // namespace tesmi
