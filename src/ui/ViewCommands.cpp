#include "ui/ViewCommands.h"

#include "document/PxoDoc.h"
#include "ui/ChildFrame.h"
#include "ui/CommandIds.h"
#include "ui/CommandRowBuilder.h"
#include "ui/ImageView.h"
#include "ui/MainFrame.h"
#include "ui/PxoApp.h"
#include "ui/SpriteView.h"
#include "view/ViewOptions.h"

namespace pixolan {
namespace {

using C = const CommandContext&;

using Row = CommandRowBuilder;
constexpr const char* kView = "&View";

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
  return {
      Row(ID_VIEW_ZOOM_IN, kView, "Zoom &In").Separated().Keys("Ctrl++|Ctrl+=").Tip("Magnify the active pane")
          .Enabled(HasDocument).Run([](C c) { c.frame->ZoomActivePane(+1); }),
      Row(ID_VIEW_ZOOM_OUT, kView, "Zoom &Out").Keys("Ctrl+-").Tip("Shrink the active pane").Enabled(HasDocument)
          .Run([](C c) { c.frame->ZoomActivePane(-1); }),
      Row(ID_VIEW_ACTUAL_SIZE, kView, "&Actual Size").Keys("Ctrl+0").Tip("Show the active pane at 1x")
          .Enabled(HasDocument).Run([](C c) { c.frame->ZoomActivePane(0); }),
      Row(ID_VIEW_GRID, kView, "&Grid").Separated().Keys("Ctrl+'").Tip("Show the 8x8 block grid")
          .Run([](C c) { ChangeOptions(c, [](ViewOptions& o) { o.bGrid = !o.bGrid; }); })
          .Checked([](C c) { return Option(c, &ViewOptions::bGrid); }),
      Row(ID_VIEW_ONION_SKIN, kView, "O&nion Skin").Keys("Ctrl+K").Tip("Show the previous frame under the current one")
          .Run([](C c) { ChangeOptions(c, [](ViewOptions& o) { o.bOnionSkin = !o.bOnionSkin; }); })
          .Checked([](C c) { return Option(c, &ViewOptions::bOnionSkin); }),
      Row(ID_VIEW_ONION_SKIN_NEXT, kView, "Onion Skin Ne&xt").Keys("Ctrl+Shift+K")
          .Tip("Also show the next frame under the current one")
          .Run([](C c) { ChangeOptions(c, [](ViewOptions& o) { o.bOnionSkinNext = !o.bOnionSkinNext; }); })
          .Checked([](C c) { return Option(c, &ViewOptions::bOnionSkinNext); }),
      // Keys only: Escape lets go of the selection following the pointer. Picking on
      // the sheet does not update the commands' states, so it is enabled by the document alone.
      Row(ID_DROP_SELECTION, nullptr, "Drop Selection").Keys("Esc").Enabled(HasDocument)
          .Run([](C c) { c.doc->DropSelection(); }),
  };
}

}  // namespace pixolan
