# Shared build helpers.

function(tessaly_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast)
  if(TESSALY_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# Links a binary resource bundle (rcc --binary output) into TARGET's file and
# registers it before main() runs, so the resources travel inside the program.
function(tessaly_embed_rcc target rccfile symbol)
  set(asm ${CMAKE_CURRENT_BINARY_DIR}/${symbol}_embed.S)
  set(reg ${CMAKE_CURRENT_BINARY_DIR}/${symbol}_register.cpp)
  file(WRITE ${asm}.in
    "    .section .rodata\n"
    "    .global ${symbol}\n"
    "    .type ${symbol}, @object\n"
    "    .balign 16\n"
    "${symbol}:\n"
    "    .incbin \"${rccfile}\"\n"
    "    .byte 0\n"
    "    .section .note.GNU-stack,\"\",@progbits\n")
  configure_file(${asm}.in ${asm} COPYONLY)
  file(WRITE ${reg}.in
    "#include <QResource>\n"
    "extern \"C\" const unsigned char ${symbol}[];\n"
    "namespace {\n"
    "struct Register { Register() { QResource::registerResource(${symbol}); } };\n"
    "const Register registerBundle;\n"
    "}\n")
  configure_file(${reg}.in ${reg} COPYONLY)
  set_source_files_properties(${asm} PROPERTIES OBJECT_DEPENDS ${rccfile})
  target_sources(${target} PRIVATE ${asm} ${reg})
endfunction()

# Compiles a quiz source tree into a binary resource bundle at OUTPUT.
# SHIPPED adds the structure checks of the shipped content.
function(tessaly_compile_content name source output)
  cmake_parse_arguments(PARSE_ARGV 3 arg "SHIPPED" "" "")
  set(flags)
  if(arg_SHIPPED)
    set(flags --shipped)
  endif()
  file(GLOB_RECURSE quiz_sources CONFIGURE_DEPENDS ${source}/*)
  set(outdir ${CMAKE_CURRENT_BINARY_DIR}/${name})
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${outdir}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${outdir}
    COMMAND tessaly_quizc ${source} ${outdir} ${flags}
    COMMAND Qt6::rcc --binary --no-zstd -o ${output} ${outdir}/resources.qrc
    DEPENDS tessaly_quizc ${quiz_sources}
    COMMENT "Compiling quiz content ${name}"
    VERBATIM)
  add_custom_target(${name}_bundle DEPENDS ${output})
  # Doubtful content that does not fail the build, one "file:line: warning:"
  # line each:  cmake --build <build> --target ${name}_warnings
  add_custom_target(${name}_warnings
    COMMAND tessaly_quizc --warnings ${source} ${flags}
    DEPENDS tessaly_quizc
    COMMENT "Checking quiz content ${name}"
    VERBATIM)
endfunction()
