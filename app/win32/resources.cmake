# The program's resources beside its data (OrvantaData.rc): the application
# and gray icons, and the hook library (built first, for the same
# architecture) that the program unpacks and loads. windres compiles a script
# generated here into an object linked into Orvanta.exe.
set(ORV_RES_DIR ${CMAKE_CURRENT_BINARY_DIR}/res)

add_custom_command(
  OUTPUT ${ORV_RES_DIR}/app.ico ${ORV_RES_DIR}/gray.ico
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/make-icons app ${ORV_RES_DIR}
  DEPENDS ${CMAKE_SOURCE_DIR}/scripts/make-icons
  COMMENT "Drawing the application icons")

# The popup menu's item buttons and close button, each also at 150 %
# (scripts/make-menu-bitmaps; the menu window picks the size by the DPI).
set(ORV_MENU_BITMAPS clipbrd_btns_16.bmp clipbrd_btns_24.bmp menu_close_12.bmp menu_close_18.bmp)
list(TRANSFORM ORV_MENU_BITMAPS PREPEND ${ORV_RES_DIR}/)
add_custom_command(
  OUTPUT ${ORV_MENU_BITMAPS}
  COMMAND python3 ${CMAKE_SOURCE_DIR}/scripts/make-menu-bitmaps ${ORV_RES_DIR}
  DEPENDS ${CMAKE_SOURCE_DIR}/scripts/make-menu-bitmaps
  COMMENT "Drawing the menu bitmaps")

# The applications page's feature icons (scripts/make-exe-flag-bitmaps).
set(ORV_EXE_FLAG_BITMAPS ${ORV_RES_DIR}/exe_flags_16.bmp ${ORV_RES_DIR}/exe_flags_24.bmp)
add_custom_command(
  OUTPUT ${ORV_EXE_FLAG_BITMAPS}
  COMMAND python3 ${CMAKE_SOURCE_DIR}/scripts/make-exe-flag-bitmaps ${ORV_RES_DIR}
  DEPENDS ${CMAKE_SOURCE_DIR}/scripts/make-exe-flag-bitmaps ${CMAKE_SOURCE_DIR}/scripts/make-menu-bitmaps
  COMMENT "Drawing the feature icons")

file(GENERATE OUTPUT ${ORV_RES_DIR}/orvanta.rc CONTENT
"A ICON \"${ORV_RES_DIR}/app.ico\"
MAIN_GRAY_ICO ICON \"${ORV_RES_DIR}/gray.ico\"
or_hook_dll RCDATA \"$<TARGET_FILE:or_hook>\"
CLIPBRD_BTNS BITMAP \"${ORV_RES_DIR}/clipbrd_btns_16.bmp\"
CLIPBRD_BTNS_24 BITMAP \"${ORV_RES_DIR}/clipbrd_btns_24.bmp\"
MENU_CLOSE BITMAP \"${ORV_RES_DIR}/menu_close_12.bmp\"
MENU_CLOSE_18 BITMAP \"${ORV_RES_DIR}/menu_close_18.bmp\"
EXE_FLAGS BITMAP \"${ORV_RES_DIR}/exe_flags_16.bmp\"
EXE_FLAGS_24 BITMAP \"${ORV_RES_DIR}/exe_flags_24.bmp\"
")

add_custom_command(
  OUTPUT ${ORV_RES_DIR}/orvanta_res.obj
  COMMAND ${CMAKE_RC_COMPILER} -O coff -i ${ORV_RES_DIR}/orvanta.rc -o ${ORV_RES_DIR}/orvanta_res.obj
  DEPENDS ${ORV_RES_DIR}/orvanta.rc ${ORV_RES_DIR}/app.ico ${ORV_RES_DIR}/gray.ico ${ORV_MENU_BITMAPS} ${ORV_EXE_FLAG_BITMAPS} or_hook
  COMMENT "Compiling the program's resources")
set(ORV_PROGRAM_RESOURCES ${ORV_RES_DIR}/orvanta_res.obj)
