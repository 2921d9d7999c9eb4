#pragma once
// The two export commands of the File menu, each with its dialogs: the options
// (kept in the settings), the remap image, the output file.
namespace pixolan {

class CPxoDoc;

// File > Export Data > Anim as .ASM File.
void OnExportAnim(CPxoDoc& doc);
// File > Export Data > Palette data from Bitmap.
void OnExportPalette(CPxoDoc& doc);

}  // namespace pixolan
