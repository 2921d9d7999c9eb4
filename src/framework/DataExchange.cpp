#include "framework/DataExchange.h"

#include <charconv>

#include "framework/FileException.h"

namespace pixolan {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// A whole number in the field's type: one optional sign, then digits only, with
// nothing but blanks around them ("+-5" is no number).
template <typename T>
bool ParseWhole(const std::string& text, T& value) {
  const std::string s = Trimmed(text);
  const std::size_t sign = !s.empty() && (s[0] == '+' || s[0] == '-') ? 1 : 0;
  if (s.size() == sign || s.find_first_not_of("0123456789", sign) != std::string::npos) return false;
  const char* first = s.data() + (s[0] == '+' ? 1 : 0);
  auto [end, ec] = std::from_chars(first, s.data() + s.size(), value);
  return ec == std::errc() && end == s.data() + s.size();
}

bool Begin(CDataExchange& dx, int controlId) {
  if (dx.Failed()) return false;
  dx.m_idLastControl = controlId;
  return true;
}

}  // namespace

void CDataExchange::Fail(int controlId, std::string message) {
  if (m_bFailed) return;
  m_bFailed = true;
  m_nFailedControl = controlId;
  m_strFailure = std::move(message);
}

void DDX_Text(CDataExchange& dx, int controlId, std::string& value) {
  if (!Begin(dx, controlId)) return;
  if (dx.m_bSaveAndValidate) value = dx.Controls()[controlId];
  else dx.Controls()[controlId] = value;
}

void DDX_Text(CDataExchange& dx, int controlId, std::int32_t& value) {
  if (!Begin(dx, controlId)) return;
  if (!dx.m_bSaveAndValidate) {
    dx.Controls()[controlId] = std::to_string(value);
  } else if (!ParseWhole(dx.Controls()[controlId], value)) {
    dx.Fail(controlId, kMsgEnterInteger);
  }
}

void DDX_Text(CDataExchange& dx, int controlId, std::uint32_t& value) {
  if (!Begin(dx, controlId)) return;
  if (!dx.m_bSaveAndValidate) {
    dx.Controls()[controlId] = std::to_string(value);
  } else if (!ParseWhole(dx.Controls()[controlId], value)) {
    dx.Fail(controlId, kMsgEnterPositiveInteger);
  }
}

void DDX_Check(CDataExchange& dx, int controlId, std::int32_t& value) {
  if (!Begin(dx, controlId)) return;
  if (dx.m_bSaveAndValidate) value = (Trimmed(dx.Controls()[controlId]) == "1") ? 1 : 0;
  else dx.Controls()[controlId] = std::string(1, value ? '1' : '0');
}

void DDV_MinMaxInt(CDataExchange& dx, std::int32_t value, std::int32_t minValue, std::int32_t maxValue) {
  if (dx.Failed() || !dx.m_bSaveAndValidate) return;
  if (value < minValue || value > maxValue) {
    dx.Fail(dx.m_idLastControl,
            FormatMessage(kMsgEnterIntegerBetween, std::to_string(minValue), std::to_string(maxValue)));
  }
}

void DDV_MinMaxUInt(CDataExchange& dx, std::uint32_t value, std::uint32_t minValue, std::uint32_t maxValue) {
  if (dx.Failed() || !dx.m_bSaveAndValidate) return;
  if (value < minValue || value > maxValue) {
    dx.Fail(dx.m_idLastControl,
            FormatMessage(kMsgEnterIntegerBetween, std::to_string(minValue), std::to_string(maxValue)));
  }
}

}  // namespace pixolan
