#pragma once
// The options window's copy of the application policies: rows of
// executable names and flags edited in place, the recent applications
// without a policy that can be added, and the "!!tuner" rule (the current
// application opened, added with every feature when it is not listed).
// Nothing reaches the stored table before the copy is handed back.

#include <string_view>

#include "app/Policies.h"

namespace orv {

// An executable name as the table keys it: blanks at both ends dropped,
// lower-cased in the ANSI code page.
Str8 normalisedExeName(std::string_view name);

class PoliciesEdit {
 public:
  struct Row {
    Str8 name;
    int32_t flags = 0;
  };

  // Rows in the table's (name) order; not edited.
  void load(const PolicyTable& table, const ArrT<Str8>& recent);
  PolicyTable table() const;
  // The stored table changes meanwhile (the popups' "Do not work in this
  // application"): an unedited copy takes it, an edited one keeps its rows
  // and takes only the recent list. Apply writes an edited copy only, so
  // that a stale one never overwrites the table.
  void follow(const PolicyTable& table, const ArrT<Str8>& recent);
  bool edited() const { return myEdited; }
  void markApplied() { myEdited = false; }

  int32_t size() const { return myRows.size(); }
  const Row& row(int32_t i) const { return myRows[i]; }
  int32_t find(std::string_view name) const;  // normalised first; -1 if absent
  void toggleFlag(int32_t row, int32_t bit);

  // A name typed or chosen among the recent ones: the row of that
  // application, added with every feature when new; it leaves the recent
  // list either way. -1 (nothing changes) for an empty name.
  int32_t add(std::string_view name);
  // "!!tuner" in an application: the same.
  int32_t openFor(std::string_view exeName) { return add(exeName); }
  void remove(int32_t row);

  // The recent applications not in the table, oldest first.
  const ArrT<Str8>& recent() const { return myRecent; }

 private:
  ArrT<Row> myRows;
  ArrT<Str8> myRecent;
  bool myEdited = false;
};

}  // namespace orv
