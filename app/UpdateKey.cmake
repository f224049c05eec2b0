# The update publisher's public key, built into the program as kUpdatePublicKey
# (the P-256 point's X then Y). The key comes from a PEM file
# ("openssl pkey -pubout"); the Wine test build is pointed at a test key by
# scripts/build so that the tests can sign their own updates.
set(ORV_UPDATE_PUBLIC_KEY "data/update/publisher-public.pem" CACHE FILEPATH
    "PEM public key (ECDSA P-256) whose signatures the updater accepts; relative to the source folder")

get_filename_component(_orv_key_pem "${ORV_UPDATE_PUBLIC_KEY}" ABSOLUTE BASE_DIR "${CMAKE_SOURCE_DIR}")
if(NOT EXISTS "${_orv_key_pem}")
  message(FATAL_ERROR "ORV_UPDATE_PUBLIC_KEY: no file ${_orv_key_pem}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_orv_key_pem}")

find_program(ORV_OPENSSL openssl REQUIRED)
set(_orv_key_der "${CMAKE_CURRENT_BINARY_DIR}/update-public-key.der")
execute_process(
  COMMAND "${ORV_OPENSSL}" pkey -pubin -in "${_orv_key_pem}" -outform DER -out "${_orv_key_der}"
  RESULT_VARIABLE _orv_key_rc ERROR_VARIABLE _orv_key_err)
if(NOT _orv_key_rc EQUAL 0)
  message(FATAL_ERROR "ORV_UPDATE_PUBLIC_KEY: ${_orv_key_pem} is not a PEM public key: ${_orv_key_err}")
endif()

# A P-256 SubjectPublicKeyInfo is always these 27 bytes (algorithm id-ecPublicKey,
# curve prime256v1, an uncompressed point) followed by X and Y.
file(READ "${_orv_key_der}" _orv_key_hex HEX)
set(_orv_spki_p256 "3059301306072a8648ce3d020106082a8648ce3d03010703420004")
string(LENGTH "${_orv_key_hex}" _orv_key_len)
string(SUBSTRING "${_orv_key_hex}" 0 54 _orv_key_head)
if(NOT _orv_key_len EQUAL 182 OR NOT _orv_key_head STREQUAL _orv_spki_p256)
  message(FATAL_ERROR "ORV_UPDATE_PUBLIC_KEY: ${_orv_key_pem} is not an uncompressed ECDSA P-256 public key")
endif()
string(SUBSTRING "${_orv_key_hex}" 54 128 _orv_key_xy)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," ORV_UPDATE_KEY_BYTES "${_orv_key_xy}")
file(RELATIVE_PATH ORV_UPDATE_KEY_SOURCE "${CMAKE_SOURCE_DIR}" "${_orv_key_pem}")
configure_file("${CMAKE_CURRENT_SOURCE_DIR}/UpdatePublicKey.cpp.in" "${CMAKE_CURRENT_BINARY_DIR}/UpdatePublicKey.cpp" @ONLY)
message(STATUS "Orvanta update key: ${_orv_key_pem}")
