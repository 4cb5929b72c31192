#pragma once

// The identification form and the comment as editors of the record: what the user types goes into the record
// session at once, and the form shows the session's record again whenever it is replaced (a document, a new
// download). Its fields are the identification table's, found by their object names. A list holds the
// configuration's entries by the value documents store, shown in the interface's language, so that a
// language switch changes what is shown and never the record.

#include "recordsession.h"
#include "xmlconf.h"

#include <QObject>
#include <QStringList>

class QComboBox;
class QDateEdit;
class QGridLayout;
class QLabel;
class QPlainTextEdit;

class FormEditor : public QObject
{
    Q_OBJECT

public:
    // form: the widget that holds the identification's fields and labels; grid: the layout of the date field.
    FormEditor(QWidget *form, QGridLayout *grid, QPlainTextEdit *comment, RecordSession *session,
               QObject *parent = nullptr);

    // The lists from the configuration; the record's values stay selected (and are never changed by it).
    void fillLists(const XmlConf &conf);
    // Everything the form shows, from the record.
    void showRecord();
    // A date field takes the date format of the locale in force when it is made: made anew after a change.
    void recreateDateEdit();
    QDateEdit *dateEdit() const { return m_date; }
    // On-screen names of the fields a save needs and that are empty, in the current language.
    QStringList emptyRequiredFields() const;
    // A form label as a name: without its colon.
    static QString fieldName(const QLabel *label);
    static QString fieldName(const QString &label);

private:
    void connectDate();
    void showDate();
    void showComment();
    void select(QComboBox *list, const QString &value);

    QWidget *m_form;
    QGridLayout *m_grid;
    QPlainTextEdit *m_comment;
    QDateEdit *m_date;
    RecordSession *m_session;
};
