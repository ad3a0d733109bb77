#pragma once

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Sets a composed sheet on a real widget of its kind, lets Qt parse, polish and paint it,
// and keeps the warnings Qt gave meanwhile.
class SheetProbe
{
public:
    using Maker = std::function<QWidget*()>;

    // The sheet goes on the widget itself; with a selector the widget carries it as its
    // object name, and in descendant form on a parent of that name holding the widget.
    static QStringList apply(const Maker& make, const QString& sheet, const QString& selector = QString(),
                             bool descendant = false)
    {
        std::unique_ptr<QWidget> holder;
        QWidget* widget = make();
        QWidget* styled = widget;
        if (descendant) {
            holder.reset(new QWidget);
            holder->setObjectName(selector);
            widget->setParent(holder.get());
            styled = holder.get();
        } else {
            holder.reset(widget);
            widget->setObjectName(selector);
        }
        return capture([&] {
            styled->setStyleSheet(sheet);
            holder->ensurePolished();
            widget->ensurePolished();
            holder->resize(240, 120);
            holder->grab();
        });
    }

    // Runs the action and returns every message Qt printed during it.
    static QStringList capture(const std::function<void()>& action)
    {
        s_messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(&SheetProbe::collect);
        action();
        qInstallMessageHandler(previous);
        return s_messages;
    }

    // The sheet was dropped whole.
    static bool refused(const QStringList& messages)
    {
        return messages.filter(QStringLiteral("Could not parse stylesheet")).size() > 0;
    }

private:
    static void collect(QtMsgType, const QMessageLogContext&, const QString& message) { s_messages << message; }

    static inline QStringList s_messages;
};

template <class W> SheetProbe::Maker makerOf()
{
    return [] { return static_cast<QWidget*>(new W); };
}

// One golden string: what a composer gave, what it must give, and the widget it styles.
struct SSheetCase
{
    const char* name;
    std::function<QString()> compose;
    QString expected;
    SheetProbe::Maker make = {};
    QString selector = {};
    bool descendant = false;
};

inline void PrintTo(const SSheetCase& c, std::ostream* os)
{
    *os << c.name;
}

// Each case's exact text, then the same text set on its widget: Qt must not refuse it.
inline void checkSheetCase(const SSheetCase& c)
{
    const QString sheet = c.compose();
    EXPECT_EQ(sheet.toStdString(), c.expected.toStdString());
    if (!c.make)
        return;
    const QStringList messages = SheetProbe::apply(c.make, sheet, c.selector, c.descendant);
    EXPECT_FALSE(SheetProbe::refused(messages)) << messages.join(QLatin1Char('\n')).toStdString();
}
