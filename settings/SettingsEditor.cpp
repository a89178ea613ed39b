#include "settings/SettingsEditor.h"

#include <QWidget>

#include "platform/windowing/WindowPlacement.h"
#include "settings/frmSettings.h"

namespace velvara::settings {

SettingsEditor::SettingsEditor(SettingsServices services, QWidget* owner) : services_(services), owner_(owner) {}

SettingsEditor::~SettingsEditor() = default;

frmSettings& SettingsEditor::load() {
  // Without a Qt parent, so that this editor alone decides when the dialog
  // goes, whichever of it and the owner is destroyed first.
  if (!dialog_) {
    dialog_ = std::make_unique<frmSettings>(services_);
    windowing::openOnOwnersScreen(*dialog_, owner_);
  }
  return *dialog_;
}

void SettingsEditor::getValues() { load().getValues(); }

void SettingsEditor::setValues() { load().setValues(); }

void SettingsEditor::showHomeUrl() { load().showHomeUrl(); }

void SettingsEditor::show() {
  if (showing_) return;
  frmSettings& dialog = load();
  showing_ = true;
  dialog.showModal();
  showing_ = false;
  if (dialog_->closed()) dialog_.reset();
}

void SettingsEditor::unload() {
  if (!dialog_) return;
  dialog_->queryUnload();
  if (showing_) {
    dialog_->close();
    return;
  }
  dialog_.reset();
}

}  // namespace velvara::settings
