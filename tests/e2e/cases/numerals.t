# @roman and @ord's examples are on their help pages, which the tests run.

# The shell reports an expression it cannot evaluate; @ord adds nothing.
$ torvane -c "echo %@ord[1/0]"
! torvane: Division by zero in "1/0"
[1]
