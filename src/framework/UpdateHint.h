#pragma once
// What changed in a document, sent to every view with the update. The numbers
// are the ones the views have always been told; 0 is the first update after a
// document is created or opened.
namespace pixolan {

enum class UpdateHint : long {
  HINT_INITIAL_UPDATE = 0,
  HINT_IMAGE_CHANGED = 1,    // a sheet was imported (or the import undone)
  HINT_ANIM_ADDED = 2,       // an animation was appended and made current at frame 1
  HINT_CURRENT_CHANGED = 3,  // the current animation or frame, or a frame's contents
  HINT_ANIM_CHANGED = 4,     // an animation's name or frame list
  HINT_SHEET_RELOADED = 5,   // the sheet's file was read again; everything else stays
  // canvas editing
  HINT_ZOOM_CHANGED = 6,     // the canvas zoom (m_nZoom)
  HINT_SELECTION_DROPPED = 7,  // the selection stopped following the pointer (Escape)
  // Frame and animation list edits
  HINT_LIST_EDITED = 8,  // frames or animations deleted, duplicated or moved; the current ones say what to show
};
using enum UpdateHint;

}  // namespace pixolan
