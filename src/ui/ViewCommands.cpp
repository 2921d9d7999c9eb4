#include "ui/ViewCommands.h"

#include "document/PxoDoc.h"
#include "ui/ChildFrame.h"
#include "ui/CommandIds.h"
#include "ui/ImageView.h"
#include "ui/MainFrame.h"
#include "ui/PxoApp.h"
#include "ui/SpriteView.h"
#include "view/ViewOptions.h"

namespace pixolan {
namespace {

using C = const CommandContext&;

bool HasDocument(C c) { return c.doc != nullptr; }

CommandRow ViewRow(int id, const char* text, const char* keys, const char* tip, CommandHandler run) {
  CommandRow row;
  row.id = id;
  row.menu = "&View";
  row.text = text;
  row.keys = keys;
  row.statusTip = tip;
  row.run = run;
  return row;
}

// The options are the application's: every window repaints both panes.
void ChangeOptions(C c, void (*change)(ViewOptions&)) {
  ViewOptions options = ViewOptions::Load(c.app->Settings());
  change(options);
  options.Save(c.app->Settings());
  for (CChildFrame* frame : c.mainFrame->ChildFrames()) {
    frame->ImageView()->viewport()->update();
    frame->SpriteView()->viewport()->update();
  }
}

bool Option(C c, bool ViewOptions::*member) { return ViewOptions::Load(c.app->Settings()).*member; }

}  // namespace

std::vector<CommandRow> ViewCommandRows() {
  std::vector<CommandRow> rows;
  rows.push_back(ViewRow(ID_VIEW_ZOOM_IN, "Zoom &In", "Ctrl++|Ctrl+=", "Magnify the active pane",
                         [](C c) { c.frame->ZoomActivePane(+1); }));
  rows.back().separatorBefore = true;
  rows.push_back(ViewRow(ID_VIEW_ZOOM_OUT, "Zoom &Out", "Ctrl+-", "Shrink the active pane",
                         [](C c) { c.frame->ZoomActivePane(-1); }));
  rows.push_back(ViewRow(ID_VIEW_ACTUAL_SIZE, "&Actual Size", "Ctrl+0", "Show the active pane at 1x",
                         [](C c) { c.frame->ZoomActivePane(0); }));
  for (std::size_t i = rows.size() - 3; i < rows.size(); ++i) rows[i].enabled = HasDocument;
  rows.push_back(ViewRow(ID_VIEW_GRID, "&Grid", "Ctrl+'", "Show the 8x8 block grid",
                         [](C c) { ChangeOptions(c, [](ViewOptions& o) { o.bGrid = !o.bGrid; }); }));
  rows.back().separatorBefore = true;
  rows.back().checked = [](C c) { return Option(c, &ViewOptions::bGrid); };
  rows.push_back(ViewRow(ID_VIEW_ONION_SKIN, "O&nion Skin", "Ctrl+K", "Show the previous frame under the current one",
                         [](C c) { ChangeOptions(c, [](ViewOptions& o) { o.bOnionSkin = !o.bOnionSkin; }); }));
  rows.back().checked = [](C c) { return Option(c, &ViewOptions::bOnionSkin); };
  rows.push_back(ViewRow(ID_VIEW_ONION_SKIN_NEXT, "Onion Skin Ne&xt", "Ctrl+Shift+K",
                         "Also show the next frame under the current one",
                         [](C c) { ChangeOptions(c, [](ViewOptions& o) { o.bOnionSkinNext = !o.bOnionSkinNext; }); }));
  rows.back().checked = [](C c) { return Option(c, &ViewOptions::bOnionSkinNext); };
  // Keys only: Escape lets go of the selection following the pointer.
  CommandRow drop = ViewRow(ID_DROP_SELECTION, "Drop Selection", "Esc", "", [](C c) { c.doc->DropSelection(); });
  drop.menu = nullptr;
  drop.enabled = HasDocument;  // picking on the sheet does not update the commands' states
  rows.push_back(drop);
  return rows;
}

}  // namespace pixolan
