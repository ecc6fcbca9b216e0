# SPDX-License-Identifier: GPL-3.0-or-later
# rekko_embed_resource(TARGET FILE SYMBOL): compiles the bytes of FILE into TARGET as
#   extern const unsigned char SYMBOL[]; extern const std::size_t SYMBOL_size;
# in namespace rekko::resources, regenerated whenever the file changes.
function(rekko_embed_resource target file symbol)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${output} -DSYMBOL=${symbol}
                -P ${PROJECT_SOURCE_DIR}/cmake/EmbedResourceScript.cmake
        DEPENDS ${file} ${PROJECT_SOURCE_DIR}/cmake/EmbedResourceScript.cmake
        COMMENT "Embedding ${symbol}"
        VERBATIM)
    target_sources(${target} PRIVATE ${output})
endfunction()
