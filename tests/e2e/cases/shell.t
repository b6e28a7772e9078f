# The torvane shell itself: its built-ins, expansion, exit status and batch
# files, with and without the plug-in.

$ torvane -c "echo %@eval[2*(3+4)] %@comma[1234567] %@if[plugin kalendra,yes,no] %@path[/a/b/c.txt]"
  14 1,234,567 yes /a/b/

$ torvane --no-plugins -c "echo %@if[plugin KALENDRA,yes,no] [%_isoweek]"
  no []

# "set" alone lists the environment.
$ KALENDRA_SET_CASE=1 torvane -c "set" | tr -d '\r' | grep '^KALENDRA_SET_CASE='
  KALENDRA_SET_CASE=1

# A plug-in's message fails the line, and the last line's status is the
# shell's.
$ torvane -c "echo first" -c "echo %@dateplus[x]"
  first
! KALENDRA plugin: Invalid date "x"
[1]

# A batch run is transient: its output is exactly that of its commands, with
# no load message, so it can go straight into a file.
$ printf 'echo %%@dateplus[2015-12-25,7,4]\r\necho %%_transient\r\n' > conv.btm; torvane conv.btm > out.txt; echo "status $?"; cat out.txt
  status 0
  2016-01-01
  1

# Options: help, version, and a usage line with status 2 for anything else.
$ torvane --help | head -1
  Usage: torvane [--no-plugins] [-c LINE]...
$ torvane --version
  torvane 1.5.3
$ torvane --frobnicate > /dev/null
! torvane: Unknown option "--frobnicate"
! Usage: torvane [--no-plugins] [-c LINE]...
!        torvane [--no-plugins] FILE [ARGS...]
!        torvane --help | --version
! Without -c or FILE, reads command lines from standard input.
[2]

# The shell's limits are clear messages that fail the line, never silent
# cuts (the others are shown in the in-process tests): a text too long for a
# plug-in's buffer is refused, not cut.
$ python3 -c "print('echo %@dateplus[' + 'x' * 9000 + ']', end='\r\n')" > args.btm; torvane args.btm
! torvane: The text for "@dateplus" is longer than 8191 characters
[1]
