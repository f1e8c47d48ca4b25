#pragma once

#include <QListWidget>

// The list of generated passwords. Its copy key goes to its owner instead of
// Qt's own copy, which would put a password on the clipboard unrecorded.
class ResultsList : public QListWidget
{
    Q_OBJECT

public:
    explicit ResultsList(QWidget *parent = nullptr);

    // Room above the first row, inside the frame, for a line laid over it; the
    // scroll bar starts below it.
    void reserveTopStrip(int height) { setViewportMargins(0, height, 0, 0); }

Q_SIGNALS:
    void copyRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
