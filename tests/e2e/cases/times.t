# What @timefmt's help page cannot show: the leading blank of format 2048.
$ torvane -c "echo [%@timefmt[9:05,2048]]"
  [ 9:05]
