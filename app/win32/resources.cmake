# The program's resources: the application and gray icons, the language files
# written out at start, and the hook library (built first, for the same
# architecture) that the program unpacks and loads. windres compiles a script
# generated here into an object linked into Orvanta.exe.
set(ORV_RES_DIR ${CMAKE_CURRENT_BINARY_DIR}/res)

add_custom_command(
  OUTPUT ${ORV_RES_DIR}/app.ico ${ORV_RES_DIR}/gray.ico
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/make-icons app ${ORV_RES_DIR}
  DEPENDS ${CMAKE_SOURCE_DIR}/scripts/make-icons
  COMMENT "Drawing the application icons")

# Language files come from data/lang when present; a minimal English list of
# the frame's own texts stands in otherwise.
foreach(code en ru)
  if(EXISTS ${CMAKE_SOURCE_DIR}/data/lang/${code}.lng)
    set(ORV_LNG_${code} ${CMAKE_SOURCE_DIR}/data/lang/${code}.lng)
  else()
    set(ORV_LNG_${code} ${CMAKE_CURRENT_LIST_DIR}/fallback.lng)
  endif()
endforeach()

file(GENERATE OUTPUT ${ORV_RES_DIR}/orvanta.rc CONTENT
"A ICON \"${ORV_RES_DIR}/app.ico\"
MAIN_GRAY_ICO ICON \"${ORV_RES_DIR}/gray.ico\"
en_lng RCDATA \"${ORV_LNG_en}\"
ru_lng RCDATA \"${ORV_LNG_ru}\"
or_hook_dll RCDATA \"$<TARGET_FILE:or_hook>\"
")

add_custom_command(
  OUTPUT ${ORV_RES_DIR}/orvanta_res.obj
  COMMAND ${CMAKE_RC_COMPILER} -O coff -i ${ORV_RES_DIR}/orvanta.rc -o ${ORV_RES_DIR}/orvanta_res.obj
  DEPENDS ${ORV_RES_DIR}/orvanta.rc ${ORV_RES_DIR}/app.ico ${ORV_RES_DIR}/gray.ico or_hook
          ${ORV_LNG_en} ${ORV_LNG_ru}
  COMMENT "Compiling the program's resources")
set(ORV_PROGRAM_RESOURCES ${ORV_RES_DIR}/orvanta_res.obj)
