#include "ui/controls/accessible_factory.h"

#include "ui/controls/drop_down_accessible.h"
#include "ui/controls/number_field_accessible.h"
#include "ui/controls/up_down_control.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

QAccessibleInterface* Interface(const QString& className, QObject* object)
{
    // Asked for each class from the object's own up, so only the exact classes are taken.
    if (className == QLatin1String("QLineEdit")) {
        QLineEdit* edit = static_cast<QLineEdit*>(object);
        if (UpDownControl::ForBuddy(edit))
            return new NumberFieldAccessible(edit);
    }
    if (className == QLatin1String("QComboBox")) {
        QComboBox* list = static_cast<QComboBox*>(object);
        if (!list->isEditable())
            return new DropDownAccessible(list);
    }
    // A plain widget made a window of its own (help, service history, plot)
    // would be a mere "filler" to a screen reader, which then never says that
    // a window opened nor reads its title.
    if (className == QLatin1String("QWidget")) {
        QWidget* widget = static_cast<QWidget*>(object);
        if (widget->isWindow())
            return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void InstallAccessibleFactory()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(&Interface);
    installed = true;
}
