#pragma once
// Templates: ".txt" files in the folder "templates" beside the executable
// (sub-folders as deep as wished), shown as the clipboard menu's
// "Templates" sub-menu. Choosing one pastes its text; entries can be marked
// for deletion (done when the menu closes); each folder offers "Create
// Folder" and "Create File". Paths inside the program are relative to the
// module folder ("templates\letters\thanks.txt").

#include <cstdint>

#include "clipboard/XMenu.h"
#include "core/Str.h"

namespace orv {

class ClipboardMenuActions;

// How a text file was written, as its first bytes say.
enum class TextEncoding : int32_t { Ansi = 0, Utf16Le = 1, Utf16Be = 2, Utf8 = 3 };
// Decodes a whole file's bytes (shared with the notes editor).
TextEncoding decodeTextFile(const Str8& bytes, Str16& out);
// Reads and decodes a file; false when it cannot be read.
bool readTextFile(const Str16& path, Str16& out, TextEncoding* encoding = nullptr);

// Fills `menu` from the folder `relFolder` (relative to `moduleFolder`),
// recursively: sub-folders first, then the ".txt" files, each sorted
// without regard to case, then "Create Folder" and "Create File".
void fillTemplatesMenu(XMenu& menu, const Str16& moduleFolder, const Str16& relFolder,
                       ClipboardMenuActions& actions, MenuHandler* handler);
// Deletes the files of the template entries marked deleted, anywhere below `root`.
void deleteMarkedTemplates(const XMenu& root, const Str16& moduleFolder);

// The outcome of the create dialog's "OK".
enum class CreateTemplateResult { Folder, File, BadName, Failed };
// Creates the folder or the file `name` (trimmed, at most 100 characters,
// none of / \ ? * : " < > | or a control character) in `relFolder`; a file
// holds EF BB BF and "text". Nothing existing is replaced (Failed).
// `createdPath` receives the full path of what was made.
CreateTemplateResult createTemplate(const Str16& moduleFolder, const Str16& relFolder, const Str16& name,
                                    bool isFolder, Str16* createdPath = nullptr);

}  // namespace orv
