# Every target of the project is built with these warnings, and any warning fails the build.
set(QZ_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wformat=2 -Werror)

# Applies the project's warning set to one target.
function(qz_warnings target)
  target_compile_options(${target} PRIVATE ${QZ_WARNINGS})
endfunction()
