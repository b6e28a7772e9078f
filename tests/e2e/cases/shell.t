# The torvane shell itself: its built-ins, expansion, exit status and batch
# files, with and without the plug-in.

$ torvane -c "echo %@eval[2*(3+4)] %@comma[1234567] %@if[plugin kalendra,yes,no] %@path[/a/b/c.txt]"
  14 1,234,567 yes /a/b/

$ torvane --no-plugins -c "echo %@if[plugin KALENDRA,yes,no] [%_isoweek]"
  no []

# Variables set by one line are seen by the next; %% is a percent sign.
$ torvane -c "set X=5" -c "echo %X %[X]x 100%%"
  5 5x 100%

# A failed line does not stop the following ones; the status says it failed.
$ torvane -c "echo %@eval[1/0]" -c "frob" -c "echo still here"
  still here
! torvane: Division by zero in "1/0"
! torvane: Unknown command "frob"
[1]

$ torvane -c "exit 3"
[3]

# A batch file runs line by line; a failing line does not end it.
$ printf 'echo line %%_batchline\r\nfrob\r\necho line %%_batchline\r\n' > run.btm; torvane run.btm
  line 1
  line 3
! torvane: Unknown command "frob"
[1]
