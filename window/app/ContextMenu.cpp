#include "window/app/ContextMenu.h"

#include "window/app/WindowTexts.h"
#include "window/app/ZolvenarMainForm.h"
#include "window/toolkit/MessageBoxes.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

#include <tuple>

ContextMenu::ContextMenu(ZolvenarMainForm &form)
    : form(form)
{
    auto action = [&form](const char *name, const QString &text) {
        auto *made = new QAction(text, &form);
        made->setObjectName(QString::fromLatin1(name));
        return made;
    };
    using Handler = void (ZolvenarMainForm::*)();
    const std::tuple<QPushButton *, const char *, QString, Handler> list[] = {
        { form.buttonSelectAll, "actionSelectAll", WindowTexts::selectAll(), &ZolvenarMainForm::selectAllClick },
        { form.buttonDelete, "actionDelete", WindowTexts::deleteSelected(), &ZolvenarMainForm::deleteClick },
        { form.buttonCopy, "actionCopy", WindowTexts::copyToClipboard(), &ZolvenarMainForm::copyClick },
        { form.buttonSave, "actionSave", WindowTexts::saveToFile(), &ZolvenarMainForm::saveClick },
    };
    for (const auto &[button, name, text, handler] : list) {
        QAction *made = action(name, text);
        made->setEnabled(button->isEnabled());
        connect(made, &QAction::triggered, &form, handler);
        // Every place that enables or disables a button does the same to its item.
        button->installEventFilter(this);
        listActions.append({ button, made });
    }
    about = action("actionAbout", WindowTexts::about());
    connect(about, &QAction::triggered, this, &ContextMenu::showAbout);
}

ContextMenu::~ContextMenu() = default;

void ContextMenu::connectOpening()
{
    // The window hears every request its controls leave unanswered, the list's included;
    // a disabled button swallows it instead, so it is asked itself.
    form.installEventFilter(this);
    for (QAbstractButton *button : form.findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly))
        button->installEventFilter(this);
    // The Menu key reaches the window as a request of its own; Shift+F10 does not.
    auto *shiftF10 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &form);
    connect(shiftF10, &QShortcut::activated, this, &ContextMenu::openFromKeyboard);
}

QMenu *ContextMenu::menu()
{
    if (popupMenu)
        return popupMenu;
    popupMenu = new QMenu(&form);
    popupMenu->setObjectName(QStringLiteral("contextMenu"));
    popupMenu->setAccessibleName(WindowTexts::menuName());
    for (const auto &entry : listActions)
        popupMenu->addAction(entry.second);
    popupMenu->addSeparator();
    popupMenu->addAction(form.actionMixSystemRandom);
    popupMenu->addAction(form.actionRequireEachSet);
    // Options with a choice of values come here, each a submenu of its own.
    QMenu *delays = popupMenu->addMenu(WindowTexts::clearClipboardAfter());
    delays->setObjectName(QStringLiteral("menuClearClipboardAfter"));
    delays->addActions(form.groupClearClipboardAfter->actions());
    popupMenu->addSeparator();
    popupMenu->addAction(about);
    return popupMenu;
}

void ContextMenu::popup(const QPoint &globalPos, bool fromKeyboard)
{
    QMenu *shown = menu();
    shown->popup(globalPos);
    if (!fromKeyboard)
        return;
    for (QAction *item : shown->actions()) {
        if (item->isEnabled() && !item->isSeparator()) {
            shown->setActiveAction(item);
            break;
        }
    }
}

bool ContextMenu::eventFilter(QObject *watched, QEvent *event)
{
    const bool disabled = watched != &form && watched->isWidgetType() && !static_cast<QWidget *>(watched)->isEnabled();
    if (event->type() == QEvent::ContextMenu && (watched == &form || disabled)) {
        auto *request = static_cast<QContextMenuEvent *>(event);
        popup(request->globalPos(), request->reason() == QContextMenuEvent::Keyboard);
        request->accept();
        return true;
    }
    if (event->type() == QEvent::EnabledChange) {
        for (const auto &[button, item] : listActions) {
            if (button == watched)
                item->setEnabled(button->isEnabled());
        }
    }
    return QObject::eventFilter(watched, event);
}

void ContextMenu::openFromKeyboard()
{
    // Sent to the control with the focus: a text or number box opens its own menu,
    // any other control leaves the request to the window.
    QWidget *target = QApplication::focusWidget();
    if (!target || target->window() != &form)
        target = &form;
    const QRect cursor = target->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QPoint at = cursor.isValid() ? cursor.center() : target->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &request);
}

void ContextMenu::showAbout()
{
    MessageBoxes::showAbout(WindowTexts::aboutText(), WindowTexts::aboutCaption());
}
