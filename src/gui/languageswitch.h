#pragma once

// The interface's language, switched while the program runs: the language menu, the program's and Qt's
// catalogues (beside the program, or in the installed share folder), the locale for dates and numbers, the
// choice kept in config.xml; and the user guide of the language in force.

#include <QObject>
#include <QStringList>
#include <QTranslator>

class Configuration;
class QAction;
class QActionGroup;
class QMenu;
class QWidget;

class LanguageSwitch : public QObject
{
    Q_OBJECT

public:
    LanguageSwitch(QWidget *window, Configuration *config, const QString &sharePath,
                   QObject *parent = nullptr);

    // The menu's entries, each with its code; the language kept in config.xml is loaded.
    void createMenu(QMenu *menu, const QList<QPair<QAction *, QString>> &entries);
    QString current() const { return m_current; }
    void load(const QString &code);
    void switchTranslator(QTranslator &translator, const QString &fileName);
    // The entry of the language in force alone is greyed.
    void updateActions(const QString &code);
    void chosen(QAction *action);
    // The guide of the language in force (the newest, French or English where the language has none).
    void openGuide();
    // The last entry of the list that holds the text, ignoring case; -1 when none does.
    static int find(const QStringList &list, const QString &search);

signals:
    // A language was loaded: what the window shows of the locale (a date field) is made anew.
    void loaded(const QString &code);

private:
    QWidget *m_window;
    Configuration *m_config;
    QString m_sharePath;
    QActionGroup *m_group = nullptr;
    QTranslator m_appTranslator;
    QTranslator m_qtTranslator;
    QString m_current;
};
