#include "ui/ListCommands.h"

#include "document/PxoDoc.h"
#include "ui/CommandIds.h"

namespace pixolan {
namespace {

using ListEdit = CPxoDoc::ListEdit;

template <ListEdit kEdit>
bool CanEdit(const CommandContext& c) {
  return c.doc != nullptr && c.doc->CanEditList(kEdit);
}

template <ListEdit kEdit>
void Edit(const CommandContext& c) {
  c.doc->EditList(kEdit);
}

struct ListCommand {
  int id;
  const char* text;
  const char* keys;
  const char* tip;
  bool separatorBefore;
  CommandRule enabled;
  CommandHandler run;
};

template <ListEdit kEdit>
ListCommand Command(int id, const char* text, const char* keys, const char* tip, bool separatorBefore = false) {
  return {id, text, keys, tip, separatorBefore, CanEdit<kEdit>, Edit<kEdit>};
}

// Keys chosen clear of every other command's: Ctrl+Page Up / Down move the frame
// the way Page Up / Down step, with Shift the animation.
const ListCommand kCommands[] = {
    Command<ListEdit::kDeleteFrame>(ID_DELETE_FRAME, "Delete Frame", "Ctrl+Del", "Delete the current frame", true),
    Command<ListEdit::kDuplicateFrame>(ID_DUPLICATE_FRAME, "Duplicate Frame", "Ctrl+D",
                                       "Put a copy of the current frame after it"),
    Command<ListEdit::kMoveFrameEarlier>(ID_MOVE_FRAME_EARLIER, "Move Frame Earlier", "Ctrl+PgUp",
                                         "Exchange the current frame with the one before it"),
    Command<ListEdit::kMoveFrameLater>(ID_MOVE_FRAME_LATER, "Move Frame Later", "Ctrl+PgDown",
                                       "Exchange the current frame with the one after it"),
    Command<ListEdit::kDeleteAnimation>(ID_DELETE_ANIMATION, "Delete Animation", "Ctrl+Shift+Del",
                                        "Delete the current animation", true),
    Command<ListEdit::kMoveAnimationUp>(ID_MOVE_ANIMATION_UP, "Move Animation Up", "Ctrl+Shift+PgUp",
                                        "Move the current animation up the list"),
    Command<ListEdit::kMoveAnimationDown>(ID_MOVE_ANIMATION_DOWN, "Move Animation Down", "Ctrl+Shift+PgDown",
                                          "Move the current animation down the list"),
};

CommandRow RowOf(const ListCommand& command, const char* menu, bool withKeys) {
  CommandRow row;
  row.id = command.id;
  row.menu = menu;
  row.separatorBefore = command.separatorBefore;
  row.text = command.text;
  row.keys = withKeys ? command.keys : "";
  row.statusTip = command.tip;
  row.run = command.run;
  row.enabled = command.enabled;
  return row;
}

}  // namespace

void AddListCommands(std::vector<CommandRow>& table) {
  for (const ListCommand& command : kCommands) table.push_back(RowOf(command, "&Edit", true));
  for (const ListCommand& command : kCommands) table.push_back(RowOf(command, "Anim List", false));
}

}  // namespace pixolan
