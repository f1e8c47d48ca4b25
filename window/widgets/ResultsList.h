#pragma once

#include <QListWidget>

// The list of generated passwords. Its copy key goes to its owner instead of
// Qt's own copy, which would put a password on the clipboard unrecorded.
class ResultsList : public QListWidget
{
    Q_OBJECT

public:
    explicit ResultsList(QWidget *parent = nullptr);

Q_SIGNALS:
    void copyRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
