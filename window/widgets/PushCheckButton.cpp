#include "window/widgets/PushCheckButton.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// Qt presents a checkable push button as a check box. This one is a button that
// stays down while it is checked: a toggle button. Qt has no role for that, so
// it is a button that can be checked, and pressed while checked, as toggle
// buttons are on the accessibility bus.
class ToggleButtonAccessible : public QAccessibleWidget
{
public:
    explicit ToggleButtonAccessible(PushCheckButton *button)
        : QAccessibleWidget(button, QAccessible::Button)
    { }

    QString text(QAccessible::Text t) const override
    {
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() ? button()->text() : text;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        state.pressed = button()->isDown() || button()->isChecked();
        state.defaultButton = button()->isDefault();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(toggleAction());
        return names;
    }

    void doAction(const QString &name) override
    {
        // A click, as with the mouse: the owner decides the checked state.
        if (name == toggleAction() || name == pressAction()) {
            if (widget()->isEnabled())
                button()->click();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    PushCheckButton *button() const { return static_cast<PushCheckButton *>(widget()); }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == QLatin1String(PushCheckButton::staticMetaObject.className()))
        return new ToggleButtonAccessible(static_cast<PushCheckButton *>(object));
    return nullptr;
}

} // namespace

PushCheckButton::PushCheckButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setCheckable(true);
    QAccessible::installFactory(&accessibleFor); // once; later calls are ignored
}

void PushCheckButton::nextCheckState()
{ }
