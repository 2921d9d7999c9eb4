#pragma once
// Dialog data exchange: copies members to controls (showing a dialog) or controls
// to members with validation (OK pressed). Controls are texts keyed by control id,
// so the same dialog data class serves widgets, scripts and tests.
#include <cstdint>
#include <map>
#include <string>

namespace pixolan {

using DialogControls = std::map<int, std::string>;

class CDataExchange {
 public:
  CDataExchange(DialogControls& controls, bool saveAndValidate)
      : m_bSaveAndValidate(saveAndValidate), m_controls(controls) {}

  const bool m_bSaveAndValidate;
  int m_idLastControl = 0;

  DialogControls& Controls() { return m_controls; }
  // The first failure stops the exchange; later calls do nothing.
  void Fail(int controlId, std::string message);
  bool Failed() const { return m_bFailed; }
  int FailedControl() const { return m_nFailedControl; }
  const std::string& FailureMessage() const { return m_strFailure; }

 private:
  DialogControls& m_controls;
  bool m_bFailed = false;
  int m_nFailedControl = 0;
  std::string m_strFailure;
};

inline constexpr const char* kMsgEnterInteger = "Please enter an integer.";
inline constexpr const char* kMsgEnterPositiveInteger = "Please enter a positive integer.";
inline constexpr const char* kMsgEnterIntegerBetween = "Please enter an integer between %1 and %2.";

void DDX_Text(CDataExchange& dx, int controlId, std::string& value);
void DDX_Text(CDataExchange& dx, int controlId, std::int32_t& value);
void DDX_Text(CDataExchange& dx, int controlId, std::uint32_t& value);
void DDX_Check(CDataExchange& dx, int controlId, std::int32_t& value);
// Range checks of the last exchanged control, only when saving.
void DDV_MinMaxInt(CDataExchange& dx, std::int32_t value, std::int32_t minValue, std::int32_t maxValue);
void DDV_MinMaxUInt(CDataExchange& dx, std::uint32_t value, std::uint32_t minValue, std::uint32_t maxValue);

}  // namespace pixolan
