# The plug-in frame: loading, the load message and withheld names.

# At an interactive prompt the load message comes first, before the prompt.
$ script -qec "$TORVANE" /dev/null <<< exit | tr -d '\r' | grep -o 'KALENDRA plugin v1.5.3 loaded\.\|torvane>' | head -1
  KALENDRA plugin v1.5.3 loaded.

# ... unless noloadmsg is set.
$ noloadmsg=1 script -qec "$TORVANE" /dev/null <<< exit | grep -c 'loaded\.' || true
  0

# A transient shell (-c) and a shell in a pipe print no load message.
$ torvane -c "echo first line"
  first line
$ echo "echo piped" | torvane
  piped

# Disable_Features withholds names, written in any case and separated by
# semicolons, commas or white space; the shell lists the rest.
$ names() { sed -n 's/^KALENDRA [^:]*: //p' | tr -d '\r' | tr ',' '\n' | LC_ALL=C sort; }
> torvane -c plugin | names > all
> Disable_Features='@PICKDATE;qcal  _t4' torvane -c plugin | names > some
> LC_ALL=C comm -23 all some
> Disable_Features='@PICKDATE;qcal  _t4' torvane -c "echo [%_t4]"
  @pickdate
  _t4
  qcal
  []

# Withholding every name leaves the plug-in nothing to offer: the shell says
# so and does not keep it.
$ Disable_Features="$(torvane -c plugin | sed -n 's/^KALENDRA [^:]*: //p' | tr -d '\r' | tr ',' ' ')" torvane -c plugin 2>err
> sed 's/"[^"]*kalendra[^"]*"/"kalendra"/' err
  No plug-ins loaded.
  torvane: Plug-in "kalendra" offers no names; not loaded
