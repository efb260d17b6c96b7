// SPDX-License-Identifier: MIT
#include "textwalk.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QWidget>

#include <algorithm>

namespace pantrex::testing {

namespace {

class Collector {
public:
    explicit Collector(QList<ShownText>& texts) : m_texts(texts) {}

    void add(const QString& where, const QString& text) {
        if (!text.trimmed().isEmpty())
            m_texts.append({where, text});
    }

    void widget(QWidget* widget) {
        const QString name = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                            : widget->objectName();
        if (widget->isWindow())
            add(name + QStringLiteral(" window title"), widget->windowTitle());
        add(name + QStringLiteral(" tool tip"), widget->toolTip());
        add(name + QStringLiteral(" status tip"), widget->statusTip());
        add(name + QStringLiteral(" what's this"), widget->whatsThis());
        add(name + QStringLiteral(" accessible name"), widget->accessibleName());
        add(name + QStringLiteral(" accessible description"), widget->accessibleDescription());
        if (auto* label = qobject_cast<QLabel*>(widget))
            add(name + QStringLiteral(" text"), label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(name + QStringLiteral(" text"), button->text());
        if (auto* box = qobject_cast<QGroupBox*>(widget))
            add(name + QStringLiteral(" title"), box->title());
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            add(name + QStringLiteral(" placeholder"), edit->placeholderText());
        if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
            add(name + QStringLiteral(" placeholder"), edit->placeholderText());
        if (auto* menu = qobject_cast<QMenu*>(widget))
            add(name + QStringLiteral(" title"), menu->title());
        if (qobject_cast<QMenu*>(widget) || qobject_cast<QMenuBar*>(widget)) {
            for (const QAction* action : widget->actions())
                this->action(name, action);
        }
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int row = 0; row < combo->count(); ++row)
                add(name + QStringLiteral(" row %1").arg(row), combo->itemText(row));
        } else if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model()) {
            for (int row = 0; row < view->model()->rowCount(); ++row)
                add(name + QStringLiteral(" row %1").arg(row), view->model()->index(row, 0).data().toString());
        }
    }

    void action(const QString& owner, const QAction* action) {
        const QString name =
            owner + QLatin1Char('/') + (action->objectName().isEmpty() ? action->text() : action->objectName());
        add(name + QStringLiteral(" text"), action->text());
        add(name + QStringLiteral(" tool tip"), action->toolTip());
        add(name + QStringLiteral(" status tip"), action->statusTip());
    }

private:
    QList<ShownText>& m_texts;
};

bool isQtsOwn(const QWidget* widget) {
    return widget->objectName().startsWith(QLatin1String("qt_"));
}

QString objectOf(const QString& where) {
    const qsizetype end = where.indexOf(QLatin1Char(' '));
    const QString path = where.left(end);
    return path.left(path.indexOf(QLatin1Char('/')));
}

// A text of data alone: each of its lines, blanks trimmed, is one of the data texts (a custom
// list's preview, say).
bool isData(const QString& text, const QSet<QString>& dataTexts) {
    if (dataTexts.isEmpty())
        return false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    return std::all_of(lines.cbegin(), lines.cend(), [&dataTexts](const QString& line) {
        return line.trimmed().isEmpty() || dataTexts.contains(line.trimmed());
    });
}

} // namespace

QList<ShownText> shownTexts(QWidget* window) {
    QList<ShownText> texts;
    Collector collector(texts);
    collector.widget(window);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (!isQtsOwn(child))
            collector.widget(child);
    }
    return texts;
}

bool isPseudoTranslated(const QString& text) {
    return text.trimmed().isEmpty() || (text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']')));
}

QStringList untranslated(const QList<ShownText>& texts, const QSet<QString>& dataObjects,
                         const QSet<QString>& dataTexts) {
    QStringList escaped;
    for (const ShownText& shown : texts) {
        if (isPseudoTranslated(shown.text) || dataObjects.contains(objectOf(shown.where)) ||
            dataObjects.contains(shown.where) || isData(shown.text, dataTexts))
            continue;
        escaped.append(shown.where + QStringLiteral(": ") + shown.text);
    }
    return escaped;
}

} // namespace pantrex::testing
