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

file(GENERATE OUTPUT ${ORV_RES_DIR}/orvanta.rc CONTENT
"A ICON \"${ORV_RES_DIR}/app.ico\"
MAIN_GRAY_ICO ICON \"${ORV_RES_DIR}/gray.ico\"
or_hook_dll RCDATA \"$<TARGET_FILE:or_hook>\"
")

add_custom_command(
  OUTPUT ${ORV_RES_DIR}/orvanta_res.obj
  COMMAND ${CMAKE_RC_COMPILER} -O coff -i ${ORV_RES_DIR}/orvanta.rc -o ${ORV_RES_DIR}/orvanta_res.obj
  DEPENDS ${ORV_RES_DIR}/orvanta.rc ${ORV_RES_DIR}/app.ico ${ORV_RES_DIR}/gray.ico or_hook
  COMMENT "Compiling the program's resources")
set(ORV_PROGRAM_RESOURCES ${ORV_RES_DIR}/orvanta_res.obj)
