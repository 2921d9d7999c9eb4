#include <gtest/gtest.h>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/MemorySettings.h"
#include "framework/ScriptedPrompts.h"

namespace pixolan {
namespace {

struct Fields {
  std::int32_t n = 0;
  std::uint32_t u = 0;
};

// Exchanges one signed and one unsigned field the way dialogs do on OK.
CDataExchange Save(DialogControls& controls, Fields& f, std::int32_t min, std::int32_t max) {
  CDataExchange dx(controls, true);
  DDX_Text(dx, 10, f.n);
  DDV_MinMaxInt(dx, f.n, min, max);
  DDX_Text(dx, 11, f.u);
  DDV_MinMaxUInt(dx, f.u, 1, 128);
  return dx;
}

TEST(DataExchangeTest, ValidatesWholeNumbersAndNamesTheFailingField) {
  struct Case {
    std::string n, u, message;  // message empty: accepted
    int control;
  };
  const std::vector<Case> cases = {
      {" -5 ", "+7", "", 0},  // blanks and signs are accepted
      {"1.5", "1", "Please enter an integer.", 10},
      {"", "1", "Please enter an integer.", 10},
      {"3000000000", "1", "Please enter an integer.", 10},
      {"11", "1", "Please enter an integer between -10 and 10.", 10},
      {"1", "-1", "Please enter a positive integer.", 11},
      {"1", "5000000000", "Please enter a positive integer.", 11},
      {"1", "0", "Please enter an integer between 1 and 128.", 11},
  };
  for (const Case& c : cases) {
    DialogControls controls{{10, c.n}, {11, c.u}};
    Fields f;
    const CDataExchange dx = Save(controls, f, -10, 10);
    EXPECT_EQ(dx.Failed(), !c.message.empty()) << c.n << "/" << c.u;
    if (!c.message.empty()) {
      EXPECT_EQ(dx.FailureMessage(), c.message);
      EXPECT_EQ(dx.FailedControl(), c.control);
    } else {
      EXPECT_EQ(std::pair(f.n, f.u), std::pair(-5, 7u));
    }
  }
}

TEST(DataExchangeTest, ShowingCopiesMembersToControls) {
  DialogControls controls;
  CDataExchange dx(controls, false);
  std::string name = "Run";
  std::uint32_t frames = 4000000000u;
  std::int32_t check = 1;
  DDX_Text(dx, 1, name);
  DDX_Text(dx, 2, frames);
  DDX_Check(dx, 3, check);
  DDV_MinMaxUInt(dx, frames, 1, 128);  // no validation while showing
  EXPECT_FALSE(dx.Failed());
  EXPECT_EQ(controls, (DialogControls{{1, "Run"}, {2, "4000000000"}, {3, "1"}}));
}

class EchoDialog : public CDialog {
 public:
  EchoDialog() : CDialog(200, "Echo") {}
  void DoDataExchange(CDataExchange& dx) override {
    DDX_Text(dx, 5, m_nValue);
    DDV_MinMaxInt(dx, m_nValue, 0, 9);
  }
  bool OnCommand(int id, IPrompts& prompts, DialogControls& controls) override {
    if (id != 6) return false;
    controls[5] = "9";
    prompts.MessageBox("pressed");
    return true;
  }
  std::int32_t m_nValue = 3;
};

TEST(ScriptedPromptsTest, RunsTheScriptAndRecordsWhatWasShown) {
  CScriptedPrompts prompts;
  std::vector<std::string> sunk;
  prompts.SetMessageSink([&](std::string_view text) { sunk.emplace_back(text); });
  prompts.QueueDialog({DialogAction::Set(5, "12"), DialogAction::Ok(), DialogAction::Press(6), DialogAction::Ok()});
  EchoDialog dialog;
  EXPECT_EQ(prompts.DoModal(dialog), IDOK);
  EXPECT_EQ(dialog.m_nValue, 9);
  EXPECT_EQ(prompts.m_messages, (std::vector<std::string>{"Please enter an integer between 0 and 9.", "pressed"}));
  EXPECT_EQ(sunk, prompts.m_messages);
  ASSERT_EQ(prompts.m_shownDialogs.size(), 1u);
  EXPECT_EQ(prompts.m_shownDialogs[0].initialControls, (DialogControls{{5, "3"}}));

  EchoDialog unanswered;  // an exhausted script cancels
  EXPECT_EQ(prompts.DoModal(unanswered), IDCANCEL);
  EXPECT_EQ(prompts.FileDialog(FileDialogRequest{}), std::nullopt);
  prompts.QueueFile("x.bmp");
  EXPECT_EQ(prompts.FileDialog(FileDialogRequest{}), "x.bmp");
  EXPECT_EQ(prompts.m_fileRequests.size(), 2u);
}

TEST(MemorySettingsTest, MissingOrUnreadableValuesGiveTheDefault) {
  CMemorySettings settings;
  EXPECT_EQ(settings.GetProfileInt("ExportOptions", "Remap", 7), 7);
  EXPECT_EQ(settings.GetProfileString("ExportOptions", "PaletteName", "none"), "none");
  settings.WriteProfileInt("ExportOptions", "Remap", 1);
  settings.WriteProfileString("ExportOptions", "PaletteName", "pal.asm");
  settings.WriteProfileString("ExportOptions", "Broken", "12abc");
  EXPECT_EQ(settings.GetProfileInt("ExportOptions", "Remap", 7), 1);
  EXPECT_EQ(settings.GetProfileString("ExportOptions", "PaletteName", ""), "pal.asm");
  EXPECT_EQ(settings.GetProfileInt("ExportOptions", "Broken", 3), 3);
  EXPECT_EQ(settings.WriteLog().front(), "ExportOptions/Remap=1");
}

}  // namespace
}  // namespace pixolan
