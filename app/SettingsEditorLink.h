#pragma once
// What the main window needs of the settings editor. The settings editor
// implements it and registers itself with Form1::setSettingsEditor; until
// one is registered the record alone holds the settings and these calls have
// nothing to do.
namespace velvara::app {

class SettingsEditorLink {
 public:
  virtual ~SettingsEditorLink() = default;
  // Writes the editor's controls into the settings record.
  virtual void getValues() = 0;
  // Shows the settings record in the editor's controls.
  virtual void setValues() = 0;
  // Shows the editor modally over the main window (the Settings command).
  virtual void showModal() = 0;
  // Puts the record's home address back into the editor (after the link
  // checker, which may have changed it, has closed).
  virtual void showHomeUrl() = 0;
  // The main window is unloading: a loaded editor writes its values back and
  // rewrites the default settings file, then unloads.
  virtual void unload() = 0;
};

}  // namespace velvara::app
