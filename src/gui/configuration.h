#pragma once

// config.xml as the window uses it: made from the built-in default when missing, kept aside and replaced when
// it no longer parses (the user told once each time), the form's lists, the site code's caption, the battery
// captions, the ratio tolerance and the current language; what a save teaches its lists; a write that fails
// is told.

#include "measurement.h"

#include <QObject>
#include <QStringList>

class FormEditor;
class QWidget;

class Configuration : public QObject
{
    Q_OBJECT

public:
    Configuration(const QString &file, QWidget *window, QObject *parent = nullptr);

    QString file() const { return m_file; }
    // Made from the default when missing; kept aside and replaced when it does not parse.
    void ensureReadable();
    // Everything read afresh (the form's lists from it too).
    void load(FormEditor *form);
    QString language() const;
    void setLanguage(const QString &code);
    // The lists learn the record's values they do not hold (never a placeholder).
    void learn(const Measurement &measurement);

    QStringList batteries() const { return m_batteries; }
    // The site code's caption, unless it would read as the comment's; empty then.
    QString siteCodeCaption() const { return m_siteCode; }
    double tolerance() const { return m_tolerance; }

private:
    // Tells the user when a write failed: the file keeps what it held.
    void written(bool ok);

    QString m_file;
    QWidget *m_window;
    QStringList m_batteries;
    QString m_siteCode;
    double m_tolerance = 0;
};
