# Every library shows its headers to the targets that link it, and to no
# other, under the name of its folder ("app/errors.h", "notice/notice_client.h").
# The folder is linked into an include root of the library's own, so a
# target cannot reach a header of a library it does not link.
function(bend_library_headers target name)
  set(root ${CMAKE_CURRENT_BINARY_DIR}/include)
  get_filename_component(parent ${root}/${name} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()
