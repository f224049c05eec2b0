# The update publisher's public key, built into the program as kUpdatePublicKey
# (the P-256 point's X then Y). The key comes from a PEM file
# ("openssl pkey -pubout"). orv_update_key is the library holding the key the
# program and the native tests trust; a Windows build given
# ORV_UPDATE_TEST_PUBLIC_KEY also links a second program, bin/testkey/Orvanta.exe,
# that trusts a test key instead, so that tests can sign their own updates
# (docs/updater.md).
set(ORV_UPDATE_PUBLIC_KEY "data/update/publisher-public.pem" CACHE FILEPATH
    "PEM public key (ECDSA P-256) whose signatures the updater accepts; relative to the source folder")
set(ORV_UPDATE_TEST_PUBLIC_KEY "" CACHE FILEPATH
    "PEM public key of the test build of the program (Windows only; empty: no test build)")

find_program(ORV_OPENSSL openssl REQUIRED)

# orv_update_key_library(target pem): a static library defining kUpdatePublicKey
# from the PEM file (relative to the source folder, or absolute).
function(orv_update_key_library target pem)
  get_filename_component(key_pem "${pem}" ABSOLUTE BASE_DIR "${CMAKE_SOURCE_DIR}")
  if(NOT EXISTS "${key_pem}")
    message(FATAL_ERROR "${target}: no key file ${key_pem}")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${key_pem}")

  set(key_der "${CMAKE_CURRENT_BINARY_DIR}/${target}.der")
  execute_process(
    COMMAND "${ORV_OPENSSL}" pkey -pubin -in "${key_pem}" -outform DER -out "${key_der}"
    RESULT_VARIABLE key_rc ERROR_VARIABLE key_err)
  if(NOT key_rc EQUAL 0)
    message(FATAL_ERROR "${target}: ${key_pem} is not a PEM public key: ${key_err}")
  endif()

  # A P-256 SubjectPublicKeyInfo is always these 27 bytes (algorithm id-ecPublicKey,
  # curve prime256v1, an uncompressed point) followed by X and Y.
  file(READ "${key_der}" key_hex HEX)
  set(spki_p256 "3059301306072a8648ce3d020106082a8648ce3d03010703420004")
  string(LENGTH "${key_hex}" key_len)
  string(SUBSTRING "${key_hex}" 0 54 key_head)
  if(NOT key_len EQUAL 182 OR NOT key_head STREQUAL spki_p256)
    message(FATAL_ERROR "${target}: ${key_pem} is not an uncompressed ECDSA P-256 public key")
  endif()
  string(SUBSTRING "${key_hex}" 54 128 key_xy)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," ORV_UPDATE_KEY_BYTES "${key_xy}")
  file(RELATIVE_PATH ORV_UPDATE_KEY_SOURCE "${CMAKE_SOURCE_DIR}" "${key_pem}")
  configure_file("${CMAKE_CURRENT_SOURCE_DIR}/UpdatePublicKey.cpp.in" "${CMAKE_CURRENT_BINARY_DIR}/${target}.cpp" @ONLY)

  add_library(${target} STATIC "${CMAKE_CURRENT_BINARY_DIR}/${target}.cpp")
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  orv_warnings(${target})
  message(STATUS "Orvanta update key (${target}): ${key_pem}")
endfunction()

orv_update_key_library(orv_update_key "${ORV_UPDATE_PUBLIC_KEY}")
