#pragma once
// The animation export without its dialogs: the checks, the palette remap, the
// preparation of the tables, the writing of the assembler file and its saving.
// The menu command and the command line run these steps in the same order and
// differ only in where the options, the remap image and the file name come from.
#include <optional>
#include <string>

#include "export/AsmFile.h"
#include "export/AsmLabelStyle.h"
#include "export/ExportOptions.h"
#include "export/ExportTables.h"
#include "framework/Prompts.h"

namespace pixolan {

class CPxoDoc;

inline constexpr const char* kMsgNoImageLoaded = "ERROR: No image loaded\n";
inline constexpr const char* kMsgImageHasNoPalette = "ERROR: Image has no palette\n";

// The message for the first frame that covers a cell outside the sheet's whole
// cells, or whose block map would: nothing when every frame stays inside.
std::optional<std::string> FindFrameOutsideSheet(const CPxoDoc& doc);

// The message for the first label the file would define twice, or that holds a
// character no assembler label can; nothing when every label is sound.
std::optional<std::string> FindLabelProblem(const CPxoDoc& doc);

// Writes the summary, the two counts and the four data sections.
void WriteAnimExport(const CPxoDoc& doc, const CExportTables& tables, CAsmFile& file);

class CAnimExport {
 public:
  CAnimExport(CPxoDoc& doc, IPrompts& prompts) : m_doc(doc), m_prompts(prompts) {}

  // An image with a palette, every frame inside it, every label sound, every
  // offset and size within its byte. Each failure shows its message and returns
  // false before anything is changed.
  bool CheckDocument();
  // Writes values past a byte instead of refusing them: for the check, which
  // reads the file back and reports them itself.
  void WriteValuesPastByte() { m_bRefusePastByte = false; }
  // Copies the palette of the image file over the document image's palette,
  // as far as the document image's palette reaches. False after a message.
  bool Remap(const std::string& imagePath);
  // Rebuilds the export tables and writes the whole file in memory. False when
  // the palette file cannot be read or the palettes outnumber their count's
  // byte (the error is shown).
  bool Build(const ExportOptions& options, const std::string& path);
  // Rewrites the built file's labels in the style (a plain style changes nothing).
  void StyleLabels(const AsmLabelStyle& style);
  // Puts the built file in place in one piece; a failure is shown and leaves an
  // earlier file untouched.
  bool Save();

  const CAsmFile& File() const { return m_file; }
  const CExportTables& Tables() const { return m_tables; }

 private:
  bool Refuse(const std::string& message);

  CPxoDoc& m_doc;
  IPrompts& m_prompts;
  CExportTables m_tables;
  CAsmFile m_file;
  bool m_bRefusePastByte = true;
};

}  // namespace pixolan
