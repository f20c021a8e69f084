#pragma once
// The edit fields of the books that are edited in place (activities, trips, owner): each
// field shows one member of the selected entry, and every change typed into it is written
// into that entry at once. Dates are stored once they read as a date (or as none); a typed
// text that is no date is reported when the field is left, or before the book is saved or
// left, and the field shows the stored date again. CInPlaceBookDlg is the book dialog
// around them.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/ui/kelp_doc.h"
#include "core/dive_record.h"
#include "core/texts.h"
#include "records/book_date.h"
#include "records/ui/book_dialog.h"

template <class Rec>
class EntryFields {
 public:
  using Current = std::function<Rec*()>;
  using Changed = std::function<void()>;  // a change was stored into the entry

  EntryFields(QWidget* owner, Current current, Changed changed)
      : m_owner(owner), m_current(std::move(current)), m_changed(std::move(changed)) {}
  // The fields outlive this object while the dialog is torn down (closing it takes the focus
  // from an edit, which reports "editing finished"): nothing may call back into it then.
  ~EntryFields() {
    for (const QMetaObject::Connection& c : m_connections) QObject::disconnect(c);
  }
  EntryFields(const EntryFields&) = delete;
  EntryFields& operator=(const EntryFields&) = delete;

  // A text field of the entry (stored form, cut to its field).
  template <size_t N>
  void addText(QLineEdit* e, char (Rec::*member)[N]) {
    add(e, Kind::Text, [member](Rec& r) { return std::pair<char*, size_t>(r.*member, N); }, nullptr, nullptr);
  }
  // A multi-line note: lines end in CR LF in the file, as typed on the platforms the books
  // come from.
  template <size_t N>
  void addNote(QPlainTextEdit* e, char (Rec::*member)[N]) {
    m_fields.push_back({e, Kind::Text, [member](Rec& r) { return std::pair<char*, size_t>(r.*member, N); }, nullptr,
                        nullptr, [e] { return e->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")); },
                        [e](const QString& t) {
                          QString shown = t;
                          e->setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
                        }});
    const size_t index = m_fields.size() - 1;
    m_connections.push_back(
        QObject::connect(e, &QPlainTextEdit::textChanged, e, [this, index] { store(m_fields[index]); }));
  }
  void addNumber(QLineEdit* e, int32_t Rec::*member) { add(e, Kind::Number, nullptr, member, nullptr); }
  void addDate(QLineEdit* e, int32_t Rec::*member) { add(e, Kind::Date, nullptr, member, nullptr); }
  void addMoney(QLineEdit* e, float Rec::*member) { add(e, Kind::Money, nullptr, nullptr, member); }

  // Shows the selected entry; without one every field is empty and disabled.
  void show() {
    Rec* r = m_current();
    m_showing = true;
    for (Field& f : m_fields) {
      f.widget->setEnabled(r != nullptr);
      f.set(r ? shownText(f, *r) : QString());
    }
    m_showing = false;
  }

  // Before the entry is left, saved or printed: a date field whose text is no date is
  // reported and shows the stored date again. False when one was.
  bool checkDates() {
    bool ok = true;
    for (Field& f : m_fields)
      if (f.kind == Kind::Date && !checkDate(f)) ok = false;
    return ok;
  }

 private:
  enum class Kind { Text, Number, Date, Money };
  struct Field {
    QWidget* widget;
    Kind kind;
    std::function<std::pair<char*, size_t>(Rec&)> text;
    int32_t Rec::*number;
    float Rec::*money;
    std::function<QString()> get;
    std::function<void(const QString&)> set;
  };

  static QString q(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
  static std::string u(const QString& s) { return s.toUtf8().toStdString(); }

  void add(QLineEdit* e, Kind kind, std::function<std::pair<char*, size_t>(Rec&)> text, int32_t Rec::*number,
           float Rec::*money) {
    m_fields.push_back({e, kind, std::move(text), number, money, [e] { return e->text(); },
                        [e](const QString& t) { e->setText(t); }});
    const size_t index = m_fields.size() - 1;
    m_connections.push_back(QObject::connect(e, &QLineEdit::textEdited, e, [this, index] { store(m_fields[index]); }));
    if (kind == Kind::Date)
      m_connections.push_back(
          QObject::connect(e, &QLineEdit::editingFinished, e, [this, index] { checkDate(m_fields[index]); }));
  }

  QString shownText(const Field& f, Rec& r) const {
    switch (f.kind) {
      case Kind::Text: {
        const auto [p, n] = f.text(r);
        return q(kelp::storedToUtf8(std::string(p, strnlen(p, n))));
      }
      case Kind::Number: return QString::number(r.*f.number);
      case Kind::Date: return q(kelp::formatBookDate(r.*f.number));
      case Kind::Money: return q(kelp::format("%.2f", double(r.*f.money)));
    }
    return {};
  }

  void store(Field& f) {
    if (m_showing) return;
    Rec* r = m_current();
    if (!r) return;
    const QString raw = f.get();
    const std::string typed = u(raw);
    switch (f.kind) {
      case Kind::Text: {
        const auto [p, n] = f.text(*r);
        const std::string stored = kelp::utf8ToStored(typed);
        if (stored != std::string(p, strnlen(p, n))) {
          std::memset(p, 0, n);
          kelp::setText(p, n, stored);
        }
        break;
      }
      case Kind::Number: {
        int v = 0;
        if (raw.trimmed().isEmpty() || kelp::scanInt(typed, v)) r->*f.number = v;
        break;
      }
      case Kind::Date: {
        const kelp::BookDateEntry d = kelp::parseBookDate(typed);
        if (d.kind != kelp::BookDateEntry::Invalid) r->*f.number = d.stamp;
        break;
      }
      case Kind::Money: {
        float v = 0;
        if (raw.trimmed().isEmpty() || kelp::scanFloat(typed, v)) r->*f.money = v;
        break;
      }
    }
    m_changed();
  }

  bool checkDate(Field& f) {
    if (m_telling) return true;
    Rec* r = m_current();
    if (!r || !f.widget->isEnabled()) return true;
    const std::string typed = u(f.get());
    if (kelp::parseBookDate(typed).kind != kelp::BookDateEntry::Invalid) return true;
    m_telling = true;
    f.set(q(kelp::formatBookDate(r->*f.number)));
    tellUser(m_owner, q(kelp::invalidBookDateMessage(typed)));
    m_telling = false;
    return false;
  }

  QWidget* m_owner;
  Current m_current;
  Changed m_changed;
  std::vector<Field> m_fields;
  std::vector<QMetaObject::Connection> m_connections;
  bool m_showing = false;
  bool m_telling = false;
};

// A book edited in place: its edit fields (m_fields) show the selected entry; a change in
// them modifies the book and shows in the entry's row and the totals at once.
template <class Rec>
class CInPlaceBookDlg : public CRecordBookDlg<Rec> {
 public:
  // New (7): a fresh entry (dated today) is appended and selected.
  void addNew() override {
    commitEdits();
    if (this->m_book.append(this->kind().fresh())) this->fillList();
  }

 protected:
  CInPlaceBookDlg(QWidget* parent, const BookDlgKind<Rec>& kind, const std::string& path, std::vector<Rec> entries)
      : CRecordBookDlg<Rec>(parent, kind, path, std::move(entries)),
        m_fields(
            this, [this] { return this->m_book.current(); }, [this] { entryChanged(); }) {}

  // A change made to the selected entry.
  void entryChanged() {
    this->m_book.modified = true;
    this->setRow(this->m_book.selected);
    this->showTotals();
    this->refreshState();
  }
  void commitEdits() override { m_fields.checkDates(); }
  void showSelected() override { m_fields.show(); }
  void entryRemoved(int) override { this->fillList(); }

  EntryFields<Rec> m_fields;
};
