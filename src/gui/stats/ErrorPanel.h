#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace tesmi {

class ErrorList;

// Panel9, the moderator's view of the mistyped words: an editable grid (word in
// column 2, count in column 3), the number of frequent words and a points field.
class ErrorPanel : public QFrame {
    Q_OBJECT
public:
    explicit ErrorPanel(QWidget *parent);

    // Fills the grid from the list and sizes it to its rows and widest cells.
    void showList(const ErrorList &list);
    // The grid's rows back into the list (the moderator may have typed in it).
    void applyEdits(ErrorList &list) const;
    void showFrequentCount(int count);

signals:
    void pointsEntered(qint64 points);
    // The moderator changed the grid.
    void edited();

private:
    QTableWidget *grid_;
    QLabel *frequent_;
    QLineEdit *points_;
};

} // namespace tesmi
