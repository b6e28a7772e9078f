# Today in the two ISO forms of the internal variables, against date(1).

$ torvane -c "echo %_isordate"
  {{sh date +%Y-%j}}

$ torvane -c "echo %_isowdate"
  {{sh date +%G-W%V-%u}}

$ torvane -c "longyears strict" -c "echo %[_isordate] %[_isowdate]"
  {{sh date +%Y-%j}} {{sh date +%G-W%V-%u}}

# The ISO forms do not follow the locale.
$ LANG=de_DE.UTF-8 torvane -c "echo %_isordate %_isowdate"
  {{sh date +%Y-%j}} {{sh date +%G-W%V-%u}}
