#pragma once
// The dialog templates: every control of a dialog with its id, kind, text and
// rectangle in dialog units. Table order is tab order.
#include <span>

struct DialogUnitRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

enum class ControlKind { kButton, kDefaultButton, kCheckBox, kEdit, kNumberEdit, kGroupBox, kLabel, kIcon };

struct ControlTemplate {
  int nId;  // kStaticId for controls the dialog never addresses
  ControlKind kind;
  const char* text;
  DialogUnitRect rect;
};

struct DialogTemplate {
  int nId;
  const char* title;
  int width;   // dialog units
  int height;
  std::span<const ControlTemplate> controls;
};

inline constexpr int kStaticId = -1;

// The template with that id, or nullptr.
const DialogTemplate* FindDialogTemplate(int templateId);
