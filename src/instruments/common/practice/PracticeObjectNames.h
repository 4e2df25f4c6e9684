#pragma once

// The object names of the practice window's widgets, which every simulated instrument's
// practice shares (the window itself and its panel's keys are named by the instrument). The
// windows set them and the tests and benches find widgets by them; the strings never change.
namespace PracticeNames {

// The panel.
inline constexpr char panel[] = "PanelPractica";
inline constexpr char display[] = "Pantalla";
inline constexpr char keyClick[] = "SonidoTecla";

// The oscilloscope, for an instrument with an output.
inline constexpr char oscilloscope[] = "Osciloscopio";

// The exercises.
inline constexpr char exercises[] = "Ejercicios";
inline constexpr char previousExercise[] = "EjercicioAnterior";
inline constexpr char exerciseTitle[] = "TituloEjercicio";
inline constexpr char nextExercise[] = "EjercicioSiguiente";
inline constexpr char exerciseNumber[] = "Ejercicio%1"; // %1: the exercise, from 1
inline constexpr char statement[] = "Enunciado";
inline constexpr char checkButton[] = "BotonComprobar";
inline constexpr char hintButton[] = "BotonPista";
inline constexpr char showButton[] = "BotonMuestramelo";
inline constexpr char hint[] = "Pista";
inline constexpr char happyFace[] = "CaraContenta";
inline constexpr char unhappyFace[] = "CaraTriste";
inline constexpr char verdict[] = "Resultado";

inline constexpr char closeButton[] = "BotonCerrar";

} // namespace PracticeNames
