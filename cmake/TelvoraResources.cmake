# Program resources: files compiled into an executable as a table that
# platform/kernel/Resource.h (FindResource, LoadResource, SizeofResource,
# LockResource) looks up by type and name, without regard to case.
#
#   telvora_add_resources(<exe> [BUILT_BY <target>] ENTRIES <TYPE> <NAME> <FILE> [<TYPE> <NAME> <FILE>]...)
#       Embeds each FILE (absolute, or relative to the calling folder) under TYPE
#       and NAME. May be called several times for one executable. BUILT_BY names
#       the target that makes the files at build time: they need not exist yet,
#       and the executable is built after that target (the assembler reads the
#       files by name and knows nothing of their producer).
#   telvora_embed_7z(<exe>)
#       Embeds the 7-Zip library as type "dll", name "7z".
#
# The bytes go in by the assembler's .incbin, straight from the file (no C array
# is generated); the executable is rebuilt when a file changes. Only the
# executables named get the resources: the kernel library itself holds none.

set(TELVORA_7Z_LIBRARY /usr/lib/p7zip/7z.so CACHE FILEPATH "The 7-Zip library embedded as resource dll/7z")

# Text for a double-quoted assembler string.
function(_telvora_asm_quote out text)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

function(telvora_add_resources target)
  cmake_parse_arguments(R "" "BUILT_BY" "ENTRIES" ${ARGN})
  list(LENGTH R_ENTRIES count)
  math(EXPR remainder "${count} % 3")
  if(count EQUAL 0 OR NOT remainder EQUAL 0)
    message(FATAL_ERROR "telvora_add_resources(${target}): ENTRIES takes TYPE NAME FILE triples")
  endif()

  get_property(serial TARGET ${target} PROPERTY TELVORA_RESOURCE_SERIAL)
  if(NOT serial)
    set(serial 0)
  endif()
  math(EXPR next "${serial} + 1")
  set_property(TARGET ${target} PROPERTY TELVORA_RESOURCE_SERIAL ${next})
  set(prefix "telvora_res_${serial}")

  # Each record (type, name, begin, end) lands in the section telvora_resources,
  # which the linker gathers from every object between __start_ and __stop_.
  # The section is writable because its pointers need relocating in a PIE.
  set(data "")
  set(records "")
  set(files "")
  math(EXPR last "${count} - 1")
  set(index 0)
  foreach(i RANGE 0 ${last} 3)
    math(EXPR ni "${i} + 1")
    math(EXPR fi "${i} + 2")
    list(GET R_ENTRIES ${i} type)
    list(GET R_ENTRIES ${ni} name)
    list(GET R_ENTRIES ${fi} file)
    get_filename_component(file "${file}" ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    if(NOT EXISTS "${file}" AND NOT R_BUILT_BY)
      message(FATAL_ERROR "telvora_add_resources(${target}): resource ${type}/${name}: no file ${file}")
    endif()
    list(APPEND files "${file}")
    _telvora_asm_quote(qfile "${file}")
    _telvora_asm_quote(qtype "${type}")
    _telvora_asm_quote(qname "${name}")
    set(l "${prefix}_${index}")
    string(APPEND data
      "  .balign 16\n"
      "${l}_begin:\n  .incbin ${qfile}\n${l}_end:\n"
      "${l}_type:\n  .asciz ${qtype}\n"
      "${l}_name:\n  .asciz ${qname}\n")
    string(APPEND records
      "  .quad ${l}_type, ${l}_name, ${l}_begin, ${l}_end\n")
    math(EXPR index "${index} + 1")
  endforeach()

  set(source "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources_${serial}.S")
  string(CONCAT content
    "  .section .rodata.${prefix},\"a\"\n"
    "${data}"
    "  .section telvora_resources,\"aw\"\n"
    "  .balign 8\n"
    "${records}"
    "  .section .note.GNU-stack,\"\",%progbits\n")
  file(GENERATE OUTPUT "${source}" CONTENT "${content}")
  set_source_files_properties("${source}" PROPERTIES GENERATED TRUE OBJECT_DEPENDS "${files}")
  target_sources(${target} PRIVATE "${source}")
  if(R_BUILT_BY)
    add_dependencies(${target} ${R_BUILT_BY})
  endif()
endfunction()

function(telvora_embed_7z target)
  telvora_add_resources(${target} ENTRIES dll 7z ${TELVORA_7Z_LIBRARY})
endfunction()
