# A holidays.ini beside the plug-in, found by the plug-in's own path (its
# sections, encodings and prefixes, the built-in rules and the functions'
# rows are the unit tests' business, and each function's examples are on
# its help page).

# The locale's country is the default section.
$ . "$E2E_CASES/holidays.sh"
> printf '[Germany]\n*-10-03\n' > holidays.ini
> LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 plugin_torvane -c "echo %@isholiday[2015-10-03] %@isholiday[2015-12-25]"
  1 0

# A section with comments only counts as none: the built-in rules are used.
$ . "$E2E_CASES/holidays.sh"
> printf '[Germany]\n; nothing yet\n\n' > holidays.ini
> plugin_torvane -c "echo %@isholiday[2015-07-04,,Germany]"
  1
