#pragma once
// The owner of the settings dialog. The dialog is loaded, hidden, the first
// time anything asks it for the record or asks it to show the record, and
// stays loaded until the user closes it or the program ends; while loaded,
// its controls are the working copy of the settings. The main window's host
// answers the core's settingsGetValues and settingsSetValues through it.
#include <memory>

#include "settings/SettingsServices.h"

class QWidget;

namespace velvara::settings {

class frmSettings;

class SettingsEditor {
 public:
  // owner: the window the dialog is shown over (the main window).
  SettingsEditor(SettingsServices services, QWidget* owner);
  ~SettingsEditor();

  // Writes the dialog's values into the record.
  void getValues();
  // Shows the record in the dialog again.
  void setValues();
  // Puts the record's parent-link address back into the dialog as it stands
  // (after the link checker, which may have changed it).
  void showHomeUrl();
  // The Settings command: shows the dialog modally; when the user closes it,
  // the record holds its values, the default settings file is rewritten and
  // the dialog is unloaded. While it is shown, a second show does nothing.
  void show();
  // The program's end: a loaded dialog writes its values back, rewrites the
  // default settings file and is unloaded; a shown one is closed, and
  // unloaded once its showing has ended.
  void unload();

  bool isLoaded() const { return dialog_ != nullptr; }
  // The loaded dialog, or nothing.
  frmSettings* dialog() const { return dialog_.get(); }

 private:
  frmSettings& load();

  SettingsServices services_;
  QWidget* owner_;
  std::unique_ptr<frmSettings> dialog_;
  // The dialog's modal showing runs: whatever happens in its event loop
  // (its own close reporting a failed write, say) must not destroy it.
  bool showing_ = false;
};

}  // namespace velvara::settings
