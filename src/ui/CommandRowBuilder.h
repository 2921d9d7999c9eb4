#pragma once
// The command table's rows written as chains, for the table and the files that
// add rows to it.
#include "ui/CommandTable.h"

namespace pixolan {

inline bool HasDocument(const CommandContext& c) { return c.doc != nullptr; }

// One row written as a chain: CommandRowBuilder(id, menu, text).Keys(...).Run(...).
struct CommandRowBuilder : CommandRow {
  CommandRowBuilder(int commandId, const char* inMenu, const char* menuText) {
    id = commandId;
    menu = inMenu;
    text = menuText;
  }
  CommandRowBuilder& Separated() {
    separatorBefore = true;
    return *this;
  }
  CommandRowBuilder& Keys(const char* k) {
    keys = k;
    return *this;
  }
  CommandRowBuilder& Tip(const char* tip) {
    statusTip = tip;
    return *this;
  }
  CommandRowBuilder& Button(const char* iconName, const char* tip, int slot) {
    icon = iconName;
    toolTip = tip;
    toolbarSlot = slot;
    return *this;
  }
  CommandRowBuilder& Run(CommandHandler handler) {
    run = handler;
    return *this;
  }
  CommandRowBuilder& Enabled(CommandRule rule) {
    enabled = rule;
    return *this;
  }
  CommandRowBuilder& Checked(CommandRule rule) {
    checked = rule;
    return *this;
  }
  CommandRowBuilder& Visible(CommandRule rule) {
    visible = rule;
    return *this;
  }
  CommandRowBuilder& Detail(CommandDetail d) {
    detail = d;
    return *this;
  }
  // A document command: only with a document, and shown only then.
  CommandRowBuilder& DocumentOnly() { return Enabled(HasDocument).Visible(HasDocument); }
};

}  // namespace pixolan
