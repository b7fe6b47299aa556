# Writes an assembly file that includes every data file as bytes, and a C++
# index that registers each under its item name (file name without extension).
# Called with OUT_ASM, OUT_CPP and FILES (a list).
set(asm "    .section .rodata\n")
set(decls "")
set(entries "")
set(i 0)
foreach(f ${FILES})
  get_filename_component(name ${f} NAME_WE)
  string(TOUPPER ${name} name)
  string(APPEND asm "    .balign 16\n    .global molvane_donnee_${i}\nmolvane_donnee_${i}:\n    .incbin \"${f}\"\n    .global molvane_donnee_${i}_fin\nmolvane_donnee_${i}_fin:\n    .byte 0\n")
  string(APPEND decls "extern \"C\" const unsigned char molvane_donnee_${i}[];\nextern \"C\" const unsigned char molvane_donnee_${i}_fin[];\n")
  string(APPEND entries "    {\"${name}\", molvane_donnee_${i}, molvane_donnee_${i}_fin},\n")
  math(EXPR i "${i} + 1")
endforeach()
string(APPEND asm "    .section .note.GNU-stack,\"\",@progbits\n")
set(cpp "// Generated at build time: the index of embedded data items.\n#include \"platform/donnees_index.h\"\n\n${decls}\nnamespace platform {\nconst ItemEmbarque itemsembarques[] = {\n${entries}    {nullptr, nullptr, nullptr}};\n}\n")
file(WRITE ${OUT_ASM}.tmp "${asm}")
file(WRITE ${OUT_CPP}.tmp "${cpp}")
# Only touch outputs whose content changed, so unchanged data costs no rebuild.
foreach(out ${OUT_ASM} ${OUT_CPP})
  execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${out}.tmp ${out})
  file(REMOVE ${out}.tmp)
endforeach()
