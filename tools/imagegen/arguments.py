"""The command line of the image generators: an argument that begins with "-"
is an option, never a file or folder name, so a mistyped option cannot make a
folder named after it."""
import sys


def parse(arguments, usage, options=(), most_paths=1):
    """Returns (the set of given options, the list of paths).

    usage is the generator's usage text. --help and -h print it and end the
    program with status 0; an option not in options, or more than most_paths
    paths, print it on standard error and end the program with status 2.
    """
    given = set()
    paths = []
    for argument in arguments:
        if not argument.startswith("-"):
            paths.append(argument)
        elif argument in ("--help", "-h"):
            print(usage)
            sys.exit(0)
        elif argument in options:
            given.add(argument)
        else:
            sys.stderr.write(f"unknown option {argument}\n{usage}\n")
            sys.exit(2)
    if len(paths) > most_paths:
        sys.stderr.write(f"too many arguments\n{usage}\n")
        sys.exit(2)
    return given, paths
